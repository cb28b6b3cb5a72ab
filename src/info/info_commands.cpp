#include "info/info_commands.h"

#include "info/help_about_window.h"
#include "info/help_marquee.h"
#include "platform/cooperative_wait.h"
#include "widgets/only_child.h"
#include "widgets/status_banner.h"

namespace quillet::info {
namespace {

// The window's help and About window, created on first use and kept until exit.
HelpAboutWindow& helpAboutWindow(QWidget& window) {
    return widgets::onlyChild<HelpAboutWindow>(window,
                                               [&window] { return new HelpAboutWindow(&window); });
}

} // namespace

void InfoCommands::showHelp() {
    helpAboutWindow(window_).showHelpView();
}

void InfoCommands::showAbout() {
    helpAboutWindow(window_).showAboutView();
}

void InfoCommands::playMarquee() {
    playHelpMarquee([this](const QString& text) { banner_.setMessage(text); },
                    [](core::WaitTicks pause) { platform::wait(pause); });
}

} // namespace quillet::info
