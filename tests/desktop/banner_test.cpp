#include "core/banner.h"
#include "core/file_bytes.h"
#include "desktop_window.h"
#include "info/help_marquee.h"
#include "listview/status_texts.h"

#include <QPainter>

using quillet::core::BannerMessage;

namespace {

// Every text the program writes to the banner, with realistic paths and the widest numbers.
QStringList everyBannerText() {
    QStringList texts;
    for (int m = int(BannerMessage::Initial); m <= int(BannerMessage::ExportAborted); ++m) {
        texts << QString::fromStdString(quillet::core::bannerText(BannerMessage(m), 100));
    }
    texts << QString::fromStdString(quillet::core::pleaseWaitText(true))
          << QString::fromStdString(quillet::core::pleaseWaitText(false))
          << quillet::listview::selectionStatus(3001, 3000)
          << quillet::listview::selectionStatus(30, 4) << quillet::listview::clearedStatus()
          << quillet::listview::selectAllHint();
    const QString outlook = QStringLiteral("/home/ana/.local/share/Microsoft/Outlook/");
    texts << outlook << QStringLiteral("Detected File:") << outlook + QStringLiteral("*.NK2")
          << QStringLiteral("Searching for NK2 Path...")
          << QStringLiteral("Could not find NK2 file in profile path. Use 'Browse' manually.")
          << QStringLiteral("Found an NK2 file! Displaying location...")
          << outlook.toUpper() + QStringLiteral("*.NK2")
          << QStringLiteral("Press 'Browse' to open the detected NK2 file.")
          << QStringLiteral("File successfully written to /home/ana/Documents/quillet.csv")
          << QStringLiteral("File NOT exported! Could not write /home/ana/Documents/quillet.csv: "
                            "Permission denied")
          << QString::fromStdString(quillet::core::couldNotOpenText("/home/ana/Outlook.NK2",
                                                                    "No such file or directory"))
          << QStringLiteral("No e-mail addresses were found in /home/ana/Outlook.NK2.")
          << QStringLiteral("File successfully written to /home/ana/Documents/quillet.vcf; "
                            "32767 rows without an Internet address left out")
          << QString::fromUtf8(quillet::core::kProductLine) + QString(106, u' ') +
                 QStringLiteral("32767 more addresses are in this file: File, Read Every "
                                "Entry... (Ctrl+R) reads them.");
    // The help marquee's whole messages: the steps longer than both neighbours' texts.
    QStringList steps;
    quillet::info::playHelpMarquee([&steps](const QString& text) { steps << text; },
                                   [](quillet::core::WaitTicks) {});
    for (qsizetype i = 1; i + 1 < steps.size(); ++i) {
        if (steps[i].size() > steps[i - 1].size() && steps[i].size() >= steps[i + 1].size()) {
            texts << steps[i];
        }
    }
    texts.removeDuplicates();
    return texts;
}

// How wide the ink of text is in the banner's face at ratio device pixels per pixel, and how
// far the ink stops short of the text's advance (trailing blanks, the last glyph's bearing).
struct Ink {
    int width;
    int shortOfAdvance;
};
Ink inkOf(const QString& text, const QFont& face, qreal ratio) {
    const QFontMetricsF metrics(face);
    const int advance = qCeil(metrics.horizontalAdvance(text) * ratio);
    QImage image(advance + 40, qCeil(metrics.height() * ratio) + 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::blue);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.setFont(face);
    painter.drawText(QPointF(0, metrics.ascent() + 1), text);
    painter.end();
    const QList<bool> ink = desktop::inkColumns(image);
    const int first = int(ink.indexOf(true));
    const int last = int(ink.lastIndexOf(true));
    return {last - first + 1, advance - 1 - last};
}

TEST_F(DesktopWindow, EveryBannerMessageEndsWholeJustInsideTheRightEdge) {
    auto* banner = child<StatusBanner>(form, names::statusBanner);
    const qreal ratio = banner->devicePixelRatioF();
    const QFontMetricsF metrics(banner->font());
    // Ink gaps inside a message are single blanks; the run before it is wider.
    const qreal partGap = 2.5 * metrics.horizontalAdvance(QLatin1Char(' ')) * ratio;
    for (const QString& text : everyBannerText()) {
        SCOPED_TRACE(text.toStdString());
        banner->setMessage(text);
        EXPECT_EQ(banner->text(), text); // what screen readers get stays as composed
        const QImage shot = banner->grab(banner->visibleArea()).toImage();
        const QList<bool> ink = desktop::inkColumns(shot);
        const int last = int(ink.lastIndexOf(true));
        ASSERT_GE(last, 0);

        // The message: the ink from the right back to the first gap wider than a few blanks.
        const quillet::widgets::BannerParts parts = quillet::widgets::splitBannerText(text);
        int first = last;
        for (int x = last, blank = 0; x >= 0; --x) {
            blank = ink[x] ? 0 : blank + 1;
            if (ink[x]) {
                first = x;
            } else if (!parts.lead.isEmpty() && blank > partGap) {
                break;
            }
        }
        const Ink expected = inkOf(parts.message, banner->font(), ratio);
        EXPECT_NEAR(last - first + 1, expected.width, 2) << "the message is cut or elided";
        const int gapAtRight = shot.width() - 1 - last;
        const int margin = gapAtRight - expected.shortOfAdvance;
        if (parts.lead.isEmpty()) {
            EXPECT_GE(margin, 1);
        } else {
            // Right-aligned, ending a couple of device pixels before the edge.
            EXPECT_GE(margin, 1);
            EXPECT_LE(margin, 4);
            EXPECT_TRUE(ink.mid(0, first - int(partGap)).contains(true)) << "no product line";
        }
    }
}

// A path longer than the banner is drawn smaller, and past that shortened in the middle, but
// it still ends inside the banner; its text stays whole for screen readers.
TEST_F(DesktopWindow, ATextWiderThanTheBannerStillEndsInsideIt) {
    auto* banner = child<StatusBanner>(form, names::statusBanner);
    const QString path = QStringLiteral("/home/ana/") + QString(40, u'x') + u'/' +
                         QString(200, u'y') + QStringLiteral("/Outlook.NK2");
    const QString text = QString::fromStdString(
        quillet::core::couldNotOpenText(path.toStdString(), "No such file or directory"));
    banner->setMessage(text);
    EXPECT_EQ(banner->text(), text);
    const QImage shot = banner->grab(banner->visibleArea()).toImage();
    const QList<bool> ink = desktop::inkColumns(shot);
    EXPECT_TRUE(ink.contains(true));
    EXPECT_FALSE(ink.last());
    EXPECT_FALSE(ink[shot.width() - 2]);
}

} // namespace
