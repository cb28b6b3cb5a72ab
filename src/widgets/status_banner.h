#pragma once

#include "core/banner.h"

#include <QLabel>

namespace quillet::widgets {

// The status line across the top of the main window, the program's running commentary. Every
// text it is given is also announced, so tests and tools can follow the exact sequence.
//
// The label keeps each text exactly as composed (product line, a long run of blanks, the
// message), which is also what screen readers get. It draws the text itself, though: the blank
// run was sized for one face and DPI, so on screen the message is right-aligned to end a couple
// of device pixels before the banner's visible right edge and the run shrinks to fit. When both
// parts cannot fit, only the product line is elided. A text without such a run is drawn at the
// left as it is. A text too wide for the banner even on its own is drawn in a smaller face.
class StatusBanner : public QLabel {
    Q_OBJECT

public:
    explicit StatusBanner(QWidget* parent);

    // Replaces the whole banner text.
    void setMessage(const QString& text);
    // Product line, the message's blank run and the message (percent where it has one).
    void setMessage(core::BannerMessage message, long percent = 0);

    // The reading notice: the text ending in "#", a one-tick wait, the same text with a blank in
    // its place, a one-tick wait.
    void flashPleaseWait();

    void setBackground(const QColor& colour);

    // The part of the banner its parent shows (the banner reaches past the window's client
    // area), in the banner's coordinates.
    QRect visibleArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

signals:
    void messageChanged(const QString& text);
};

// A banner text split at its run of blanks: what stands left of it and the message right of
// it. Without such a run, lead is empty and message is the whole text.
struct BannerParts {
    QString lead;
    QString message;
};
BannerParts splitBannerText(const QString& text);

} // namespace quillet::widgets
