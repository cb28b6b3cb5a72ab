#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace quillet::listview {

// A text box or editable drop-down box claims Ctrl+C, Ctrl+X and Ctrl+V for its own copy and
// paste, which would run instead of the Edit menu's commands and act differently (on the
// drop-down box, on an empty selection); on X11 it also takes Ctrl+E, Exit's key, for "end of
// line". This filter lets the given menu items' shortcuts win in the given boxes, so each key
// press runs the menu command once and nothing else.
class EditKeysFilter : public QObject {
    Q_OBJECT

public:
    // Installs itself on every box; owned by the first.
    EditKeysFilter(const QList<QWidget*>& boxes, const QList<const QAction*>& menuItems);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<const QAction*> menuItems_;
};

} // namespace quillet::listview
