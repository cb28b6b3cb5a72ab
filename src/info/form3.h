#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace quillet::info {

class ClickableLabel;

// The help and About window: one window, two views. It is created once and then only shown
// and hidden, so it keeps the last view chosen.
class Form3 : public QWidget {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl&)>;

    explicit Form3(QWidget* parent = nullptr);

    // Enable and show the window with the numbered steps for importing into Outlook.
    void showHelpView();
    // Enable and show the window with the version, owner and contact notes.
    void showAboutView();

    // Replaces how the project's web page is opened (the user's browser by default).
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

private:
    enum class View { Help, About };

    void showView(View view);
    void Command2_Click();
    void Label13_Click();

    QPushButton* Command2;
    QLabel* owner_pic;
    QLabel* owner_email;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    ClickableLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label19;
    QLabel* Label20;
    QLabel* Label21;
    UrlOpener openUrl_;
};

} // namespace quillet::info
