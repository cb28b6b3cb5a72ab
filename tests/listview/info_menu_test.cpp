#include "app/main_window.h"
#include "info/help_about_window.h"
#include "info/help_marquee.h"
#include "platform/cooperative_wait.h"
#include "support/find_child.h"
#include "support/qt_printers.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using quillet::app::MainWindow;
using quillet::info::HelpAboutWindow;

namespace {

class InfoMenu : public ::testing::Test {
protected:
    InfoMenu() { form.show(); }

    HelpAboutWindow* helpWindow() { return form.findChild<HelpAboutWindow*>(); }

    bool shown(const char* name) {
        auto* widget = helpWindow()->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget != nullptr && widget->isVisible();
    }

    void expectView(bool help) {
        ASSERT_NE(helpWindow(), nullptr);
        EXPECT_TRUE(helpWindow()->isVisible());
        EXPECT_EQ(helpWindow()->windowTitle(), help ? "Help and Tips" : "About Quillet");
        EXPECT_EQ(shown("introText"), help);
        EXPECT_EQ(shown("step1"), help);
        EXPECT_EQ(shown("copyrightLine"), !help);
        EXPECT_EQ(shown("ownerPicture"), !help);
        EXPECT_TRUE(shown("webAddressLink"));
        EXPECT_EQ(form.findChildren<HelpAboutWindow*>().size(), 1);
    }

    MainWindow form;
};

TEST_F(InfoMenu, AboutAfterHelpShowsTheAboutView) {
    EXPECT_EQ(helpWindow(), nullptr);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    expectView(true);
    child<QAction>(form, names::aboutAction)->trigger();
    expectView(false);
}

TEST_F(InfoMenu, HelpAfterAboutAndAfterCloseShowsTheHelpView) {
    child<QAction>(form, names::aboutAction)->trigger();
    expectView(false);
    QPointer<HelpAboutWindow> window(helpWindow());
    helpWindow()->findChild<QPushButton*>(QStringLiteral("closeHelpButton"))->click();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    child<QAction>(form, names::helpAction)->trigger();
    EXPECT_EQ(helpWindow(), window.data());
    expectView(true);
}

class HelpButton : public ::testing::Test {
protected:
    HelpButton() {
        quillet::platform::setWaitTickLength(std::chrono::nanoseconds(0));
        QObject::connect(child<StatusBanner>(form, names::statusBanner),
                         &StatusBanner::messageChanged,
                         [this](const QString& text) { texts.append(text); });
        form.show();
    }

    // The banner texts of one marquee, as the marquee itself produces them.
    static QStringList oneMarquee() {
        QStringList played;
        quillet::info::playHelpMarquee([&played](const QString& text) { played.append(text); },
                                       [](quillet::core::WaitTicks) {});
        return played;
    }

    MainWindow form;
    QStringList texts;
};

TEST_F(HelpButton, PlaysTheMarqueeInTheBannerFromEmptyToEmpty) {
    child<QPushButton>(form, names::helpButton)->click();
    const QStringList expected = oneMarquee();
    EXPECT_EQ(texts, expected);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.front(), "");
    EXPECT_TRUE(texts.contains(
        " The Add, Remove, and Clear list buttons will modify the e-mail listing only."));
    EXPECT_EQ(child<StatusBanner>(form, names::statusBanner)->text(), "");
}

TEST_F(HelpButton, APressDuringTheMarqueePlaysASecondOneInsideIt) {
    constexpr int kPressAt = 10;
    QObject::connect(child<StatusBanner>(form, names::statusBanner), &StatusBanner::messageChanged,
                     [this] {
                         if (texts.size() == kPressAt + 1) {
                             // Delivered by the wait that follows this banner text, as a real press
                             // would be.
                             QMetaObject::invokeMethod(child<QPushButton>(form, names::helpButton),
                                                       &QPushButton::click, Qt::QueuedConnection);
                         }
                     });
    child<QPushButton>(form, names::helpButton)->click();
    const QStringList one = oneMarquee();
    ASSERT_EQ(texts.size(), 2 * one.size());
    EXPECT_EQ(texts.mid(kPressAt + 1, one.size()), one);
    EXPECT_EQ(texts.mid(0, kPressAt + 1) + texts.mid(kPressAt + 1 + one.size()), one);
}

} // namespace
