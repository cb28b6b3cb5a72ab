#pragma once

class QComboBox;

namespace quillet::exporter {

// Makes an editable combo box take typed text exactly as typed: no completion, no insertion
// into the list, and no matching of the text to a list entry when typing ends. Only picking
// an entry from the list (mouse or arrow keys) then changes the entry and emits activated.
void keepTypedText(QComboBox& box);

} // namespace quillet::exporter
