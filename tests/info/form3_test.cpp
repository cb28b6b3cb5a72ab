#include "info/form3.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using quillet::info::Form3;

namespace {

const QStringList kHelpItems = {"Label1", "Label2", "Label3", "Label4",  "Label5", "Label6",
                                "Label7", "Label8", "Label9", "Label10", "Label18"};
const QStringList kAboutItems = {"Label19", "Label20", "Label21", "owner_pic", "owner_email"};
const QStringList kSharedItems = {"Label11", "Label12", "Label13", "Label14",
                                  "Label15", "Label16", "Label17", "Command2"};

class Form3Test : public ::testing::Test {
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

    Form3 form;
};

} // namespace

TEST_F(Form3Test, AboutAfterHelpShowsOnlyTheAboutItems) {
    const auto labels =
        form.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label\\d+$")));
    EXPECT_EQ(labels.size(), 21);
    for (const QLabel* label : labels) {
        EXPECT_FALSE(label->text().isEmpty()) << label->objectName().toStdString();
    }
    form.showHelpView();
    expectView(true);
    form.showAboutView();
    expectView(false);
}

TEST_F(Form3Test, HelpAfterAboutShowsOnlyTheHelpItems) {
    form.showAboutView();
    expectView(false);
    form.showHelpView();
    expectView(true);
}

TEST_F(Form3Test, CloseDisablesAndHidesAndTheNextChoiceShowsItAgain) {
    QPointer<Form3> alive(&form);
    form.showAboutView();
    QTest::mouseClick(item("Command2"), Qt::LeftButton);
    ASSERT_FALSE(alive.isNull());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.isEnabled());
    form.showHelpView();
    expectView(true);
}

TEST_F(Form3Test, ClickingTheWebAddressOpensIt) {
    QList<QUrl> opened;
    form.setUrlOpener([&opened](const QUrl& url) { opened.append(url); });
    form.showHelpView();
    auto* web = qobject_cast<QLabel*>(item("Label13"));
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->text(), "https://quillet.example.org");
    QTest::mouseClick(item("Label14"), Qt::LeftButton);
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{QUrl("https://quillet.example.org")});
    QTest::mouseClick(web, Qt::RightButton);
    EXPECT_EQ(opened.size(), 1);
}
