#pragma once

#include <QObject>

class QWidget;

namespace quillet::listview {

// Text boxes have no click signal, but the search box and the address clipboard box act on a
// click. Reports a left-button click released over the watched widget. The report is queued
// behind the release, so the box has finished handling the click (a release over selected
// text clears the selection) before the handler runs.
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
