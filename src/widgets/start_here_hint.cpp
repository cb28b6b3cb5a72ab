#include "widgets/start_here_hint.h"

#include <QWidget>

namespace quillet::widgets {

void StartHereHint::setVisible(bool visible) const {
    for (QWidget* part : parts_) {
        part->setVisible(visible);
    }
}

} // namespace quillet::widgets
