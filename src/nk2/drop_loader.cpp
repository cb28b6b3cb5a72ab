#include "nk2/drop_loader.h"

#include "nk2/browse.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace quillet::nk2 {

DropLoader::DropLoader(QWidget& window, Browse& browse)
    : QObject(&window), window_(window), browse_(browse) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->acceptDrops()) {
            control->installEventFilter(this);
        }
    }
}

QByteArray DropLoader::nk2File(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile()) {
        return {};
    }
    // The name's own bytes: decoded as text, a name that is not valid UTF-8 would be lost.
    const QByteArray path =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    // An exported Outlook 2010+ autocomplete stream has the NK2 layout.
    const QByteArray lower = path.toLower();
    return lower.endsWith(".nk2") || lower.endsWith(".dat") ? path : QByteArray();
}

bool DropLoader::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event); // the base of all three
    const QByteArray path = nk2File(drop->mimeData());
    if (path.isEmpty() && watched != &window_) {
        return false; // a text box's own drag
    }
    // Only ever a copy: a source told the file was moved would delete the user's NK2 file.
    if (path.isEmpty() || browse_.running() || !(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // The drag source waits for the drop to finish; the load runs once it has.
        QTimer::singleShot(0, this, [this, path] { browse_.fileNamed(path); });
    }
    return true;
}

} // namespace quillet::nk2
