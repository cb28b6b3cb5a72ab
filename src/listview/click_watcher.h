#pragma once

#include <QObject>

class QWidget;

namespace quillet::listview {

// Text boxes have no click signal, but the search box and the address clipboard box act on a
// click. Reports a left-button click released over the watched widget. The report is queued
// behind the release, so the handler runs once the box has handled the whole click and what
// the handler selects is left as it is.
class ClickWatcher : public QObject {
    Q_OBJECT

public:
    explicit ClickWatcher(QWidget* watched);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* watched_;
};

} // namespace quillet::listview
