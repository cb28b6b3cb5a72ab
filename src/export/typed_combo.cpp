#include "export/typed_combo.h"

#include <QComboBox>
#include <QLineEdit>

namespace quillet::exporter {

void keepTypedText(QComboBox& box) {
    box.setCompleter(nullptr);
    box.setInsertPolicy(QComboBox::NoInsert);
    // Qt picks the entry that matches the typed text (ignoring case) when editing finishes,
    // for instance when the user clicks Export; that would count as a pick and replace the
    // export path, so the box does not listen to the end of editing.
    QObject::disconnect(box.lineEdit(), &QLineEdit::editingFinished, &box, nullptr);
}

} // namespace quillet::exporter
