#pragma once

#include <QList>

class QWidget;

namespace quillet::widgets {

// The "Start Here" caption and its arrow pointing at Browse: shown while the list is empty,
// hidden once a Browse starts.
class StartHereHint {
public:
    StartHereHint() = default;
    explicit StartHereHint(QList<QWidget*> parts) : parts_(std::move(parts)) {}

    void setVisible(bool visible) const;

private:
    QList<QWidget*> parts_;
};

} // namespace quillet::widgets
