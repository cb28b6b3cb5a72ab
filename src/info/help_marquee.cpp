#include "info/help_marquee.h"

#include "info/project_site.h"

#include <QUrl>
#include <array>

namespace quillet::info {
namespace {

constexpr core::WaitTicks kStepWait(300); // 30 ms per character

struct MarqueeMessage {
    QString text;
    core::WaitTicks hold; // how long the whole message stays
};

std::array<MarqueeMessage, 4> helpMessages() {
    const QString host = QUrl(QString::fromLatin1(kProjectWebAddress)).host();
    return {{
        {QStringLiteral(
             " The Add, Remove, and Clear list buttons will modify the e-mail listing only."),
         core::WaitTicks(70000)},
        {QStringLiteral(
             "  The 'List Controls' will not make any changes to your existing NK2 file..."),
         core::WaitTicks(60000)},
        {QStringLiteral(
             "  For more help click INFO -> MORE HELP... Or visit the project web page ") +
             host + QLatin1Char('.'),
         core::WaitTicks(80000)},
        {QStringLiteral("  Click browse to open a NK2 file."), core::WaitTicks(80000)},
    }};
}

} // namespace

void playHelpMarquee(const std::function<void(const QString&)>& setBanner,
                     const std::function<void(core::WaitTicks)>& wait) {
    for (const MarqueeMessage& message : helpMessages()) {
        const auto length = message.text.size();
        for (qsizetype i = 0; i < length; ++i) {
            setBanner(message.text.right(i));
            wait(kStepWait);
        }
        wait(message.hold);
        for (qsizetype i = length; i >= 0; --i) {
            setBanner(message.text.right(i));
            wait(kStepWait);
        }
    }
}

} // namespace quillet::info
