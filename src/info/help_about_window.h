#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace quillet::info {

class ClickableLabel;

// The help and About window: one window, two views. It is created once and then only shown
// and hidden, so it keeps the last view chosen.
class HelpAboutWindow : public QWidget {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl&)>;

    explicit HelpAboutWindow(QWidget* parent = nullptr);

    // Enable and show the window with the numbered steps for importing into Outlook.
    void showHelpView();
    // Enable and show the window with the version, owner and contact notes.
    void showAboutView();

    // Replaces how the project's web page is opened (the user's browser by default).
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

private:
    enum class View { Help, About };

    // Centred over the window that owns it, and wholly within that screen's free area.
    void placeOverOwner();
    void showView(View view);
    void closeClicked();
    void webAddressClicked();

    QPushButton* closeHelpButton_;
    QLabel* ownerPicture_;
    QLabel* contactPicture_;
    QLabel* introText_;
    QLabel* helpTitle_;
    QList<QLabel*> importSteps_; // "1. ..." to "8. ..."
    QLabel* afterImportText_;
    QLabel* todayTitle_; // where caches live today, .dat streams, vCards, reading, converter
    QLabel* todayText_;
    QLabel* updatesNote_;
    QLabel* trademarkNote_;
    ClickableLabel* webAddressLink_;
    QLabel* clickHint_;
    QLabel* creditsNote_;
    QLabel* creditsHeading_;
    QLabel* thanksNote_;
    QLabel* copyrightLine_;
    QLabel* ownerNote_;
    QLabel* contactNote_;
    UrlOpener openUrl_;
};

} // namespace quillet::info
