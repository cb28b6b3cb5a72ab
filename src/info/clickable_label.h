#pragma once

#include <QLabel>

namespace quillet::info {

// A label that reports a left-button click released over it, as a hyperlink-style label needs.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quillet::info
