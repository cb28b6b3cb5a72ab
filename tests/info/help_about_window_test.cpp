#include "info/help_about_window.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using quillet::info::HelpAboutWindow;

namespace {

const QStringList kHelpItems = {"introText", "helpTitle",  "step2",    "step3", "step4",
                                "step5",     "step6",      "step7",    "step8", "afterImportText",
                                "step1",     "todayTitle", "todayText"};
const QStringList kAboutItems = {"copyrightLine", "ownerNote", "contactNote", "ownerPicture",
                                 "contactPicture"};
const QStringList kSharedItems = {"updatesNote", "trademarkNote",  "webAddressLink",
                                  "clickHint",   "creditsNote",    "creditsHeading",
                                  "thanksNote",  "closeHelpButton"};

class HelpAboutWindowTest : public ::testing::Test {
protected:
    QWidget* item(const QString& name) {
        auto* widget = form.findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    void expectView(bool help) {
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.isEnabled());
        EXPECT_EQ(form.windowTitle(), help ? "Help and Tips" : "About Quillet");
        for (const QString& name : kHelpItems) {
            EXPECT_EQ(item(name)->isVisible(), help) << name.toStdString();
        }
        for (const QString& name : kAboutItems) {
            EXPECT_EQ(item(name)->isVisible(), !help) << name.toStdString();
        }
        for (const QString& name : kSharedItems) {
            EXPECT_TRUE(item(name)->isVisible()) << name.toStdString();
        }
    }

    HelpAboutWindow form;
};

} // namespace

TEST_F(HelpAboutWindowTest, AboutAfterHelpShowsOnlyTheAboutItems) {
    const auto labels = form.findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 25); // 23 texts and 2 pictures
    for (const QLabel* label : labels) {
        EXPECT_NE(label->text().isEmpty(), label->pixmap().isNull())
            << label->objectName().toStdString();
    }
    form.showHelpView();
    expectView(true);
    form.showAboutView();
    expectView(false);
}

TEST_F(HelpAboutWindowTest, HelpAfterAboutShowsOnlyTheHelpItems) {
    form.showAboutView();
    expectView(false);
    form.showHelpView();
    expectView(true);
}

TEST_F(HelpAboutWindowTest, CloseDisablesAndHidesAndTheNextChoiceShowsItAgain) {
    QPointer<HelpAboutWindow> alive(&form);
    form.showAboutView();
    QTest::mouseClick(item("closeHelpButton"), Qt::LeftButton);
    ASSERT_FALSE(alive.isNull());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.isEnabled());
    form.showHelpView();
    expectView(true);
}

TEST_F(HelpAboutWindowTest, ClickingTheWebAddressOpensIt) {
    QList<QUrl> opened;
    form.setUrlOpener([&opened](const QUrl& url) { opened.append(url); });
    form.showHelpView();
    auto* web = qobject_cast<QLabel*>(item("webAddressLink"));
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->text(), "https://quillet.example.org");
    QTest::mouseClick(item("clickHint"), Qt::LeftButton);
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://quillet.example.org")});
    QTest::mouseClick(web, Qt::RightButton);
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(HelpAboutWindowTest, TheSectionOnTodaysSystemsFollowsTheSteps) {
    form.showHelpView();
    auto* title = form.findChild<QLabel*>(QStringLiteral("todayTitle"));
    auto* text = form.findChild<QLabel*>(QStringLiteral("todayText"));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_GT(title->y(), item(QStringLiteral("step8"))->y());
    EXPECT_GT(text->y(), title->y());
    for (const char* topic : {"Linux", "Windows", "~/.local/share/Microsoft/Outlook/", "%APPDATA%",
                              "Stream_Autocomplete_*.dat", "VCF", "Thunderbird", "Browse",
                              "Read Every Entry", "quillet-convert"}) {
        EXPECT_TRUE(text->text().contains(QString::fromLatin1(topic))) << topic;
    }
}
