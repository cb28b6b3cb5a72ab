#pragma once

class QWidget;

namespace quillet::widgets {
class StatusBanner;
}

namespace quillet::info {

// The Info menu and the Help button: the help and About window, and the help marquee.
class InfoCommands {
public:
    InfoCommands(QWidget& window, widgets::StatusBanner& banner)
        : window_(window), banner_(banner) {}

    void showHelp();
    void showAbout();
    // Plays the help messages in the banner.
    void playMarquee();

private:
    QWidget& window_; // owns the help and About window
    widgets::StatusBanner& banner_;
};

} // namespace quillet::info
