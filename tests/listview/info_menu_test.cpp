#include "app/form1.h"
#include "app/mod_wait.h"
#include "app/qt_printers.h"
#include "info/form3.h"
#include "info/help_marquee.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using quillet::app::Form1;
using quillet::info::Form3;

namespace {

class InfoMenu : public ::testing::Test {
protected:
    InfoMenu() { form.show(); }

    Form3* form3() { return form.findChild<Form3*>(); }

    bool shown(const char* name) {
        auto* widget = form3()->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget != nullptr && widget->isVisible();
    }

    void expectView(bool help) {
        ASSERT_NE(form3(), nullptr);
        EXPECT_TRUE(form3()->isVisible());
        EXPECT_EQ(form3()->windowTitle(), help ? "Help and Tips" : "About Quillet");
        EXPECT_EQ(shown("Label1"), help);
        EXPECT_EQ(shown("Label18"), help);
        EXPECT_EQ(shown("Label19"), !help);
        EXPECT_EQ(shown("owner_pic"), !help);
        EXPECT_TRUE(shown("Label13"));
        EXPECT_EQ(form.findChildren<Form3*>().size(), 1);
    }

    Form1 form;
};

TEST_F(InfoMenu, AboutAfterHelpShowsTheAboutView) {
    EXPECT_EQ(form3(), nullptr);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    expectView(true);
    form.About->trigger();
    expectView(false);
}

TEST_F(InfoMenu, HelpAfterAboutAndAfterCloseShowsTheHelpView) {
    form.About->trigger();
    expectView(false);
    QPointer<Form3> window(form3());
    form3()->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    form.Assistance->trigger();
    EXPECT_EQ(form3(), window.data());
    expectView(true);
}

class HelpButton : public ::testing::Test {
protected:
    HelpButton() {
        quillet::app::modWait::setWaitUnit(std::chrono::nanoseconds(0));
        QObject::connect(&form, &Form1::bannerChanged,
                         [this](const QString& text) { texts.append(text); });
        form.show();
    }

    // The banner texts of one marquee, as the marquee itself produces them.
    static QStringList oneMarquee() {
        QStringList played;
        quillet::info::playHelpMarquee([&played](const QString& text) { played.append(text); },
                                       [](int) {});
        return played;
    }

    Form1 form;
    QStringList texts;
};

TEST_F(HelpButton, PlaysTheMarqueeInTheBannerFromEmptyToEmpty) {
    form.Command4->click();
    const QStringList expected = oneMarquee();
    EXPECT_EQ(texts, expected);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.front(), "");
    EXPECT_TRUE(texts.contains(
        " The Add, Remove, and Clear list buttons will modify the e-mail listing only."));
    EXPECT_EQ(form.Label7->text(), "");
}

TEST_F(HelpButton, APressDuringTheMarqueePlaysASecondOneInsideIt) {
    constexpr int kPressAt = 10;
    QObject::connect(&form, &Form1::bannerChanged, [this] {
        if (texts.size() == kPressAt + 1) {
            // Delivered by the wait that follows this banner text, as a real press would be.
            QMetaObject::invokeMethod(form.Command4, &QPushButton::click, Qt::QueuedConnection);
        }
    });
    form.Command4->click();
    const QStringList one = oneMarquee();
    ASSERT_EQ(texts.size(), 2 * one.size());
    EXPECT_EQ(texts.mid(kPressAt + 1, one.size()), one);
    EXPECT_EQ(texts.mid(0, kPressAt + 1) + texts.mid(kPressAt + 1 + one.size()), one);
}

} // namespace
