#pragma once

#include <QWidget>

namespace quillet::widgets {

// The parent's one child window of this class: the main window's secondary windows are made
// on first use, then kept and only shown and hidden. create() makes it when there is none.
template <class Window, class Create> Window& onlyChild(QWidget& parent, Create create) {
    if (auto* existing = parent.findChild<Window*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *existing;
    }
    return *create();
}

} // namespace quillet::widgets
