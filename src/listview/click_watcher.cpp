#include "listview/click_watcher.h"

#include <QMouseEvent>
#include <QWidget>

namespace quillet::listview {

ClickWatcher::ClickWatcher(QWidget* watched) : QObject(watched), watched_(watched) {
    watched->installEventFilter(this);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched != watched_ || event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* release = static_cast<QMouseEvent*>(event);
    if (release->button() == Qt::LeftButton &&
        watched_->rect().contains(release->position().toPoint())) {
        QMetaObject::invokeMethod(this, &ClickWatcher::clicked, Qt::QueuedConnection);
    }
    return false;
}

} // namespace quillet::listview
