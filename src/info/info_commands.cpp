#include "app/form1.h"
#include "app/mod_wait.h"
#include "info/form3.h"
#include "info/help_marquee.h"
#include "listview/only_child.h"

// The main window's Info menu and its Help button.
namespace quillet::app {
namespace {

// The main window's help and About window, created on first use and kept until exit.
info::Form3& form3(Form1& main) {
    return listview::onlyChild<info::Form3>(main, [&main] { return new info::Form3(&main); });
}

} // namespace

void Form1::Assistance_Click() {
    form3(*this).showHelpView();
}

void Form1::About_Click() {
    form3(*this).showAboutView();
}

void Form1::Command4_Click() {
    info::playHelpMarquee([this](const QString& text) { setBanner(text); },
                          [](int count) { modWait::Wait(count); });
}

} // namespace quillet::app
