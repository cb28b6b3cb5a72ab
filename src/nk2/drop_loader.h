#pragma once

#include <QObject>
#include <QString>

class QMimeData;

namespace quillet::nk2 {

class Browse;

// Lets the user drop one NK2 file on the window instead of browsing for it. Watches the
// window and its controls that take drops of their own (the text boxes), so the file loads
// wherever it lands, always as a copy; every other drag passes to them untouched, and the
// window refuses it.
class DropLoader : public QObject {
    Q_OBJECT

public:
    DropLoader(QWidget& window, Browse& browse);

    // The local file path, as the bytes of its name, when data is exactly one file whose name
    // ends in ".nk2" or ".dat" in any letter case; otherwise an empty array.
    static QByteArray nk2File(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Browse& browse_;
};

} // namespace quillet::nk2
