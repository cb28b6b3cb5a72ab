#pragma once

#include "core/banner.h"

#include <QLabel>

namespace quillet::widgets {

// The status line across the top of the main window, the program's running commentary. Every
// text it is given is also announced, so tests and tools can follow the exact sequence.
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

signals:
    void messageChanged(const QString& text);
};

} // namespace quillet::widgets
