#pragma once

#include <QString>

// Status banner texts of the list view. They carry no product line.
namespace quillet::listview {

// "Finished reading file, R e-mail addresses found." + 88 blanks + "Selected C+1 of R".
QString selectionStatus(int rowCount, int currentRow);

// "All addresses cleared." + 141 blanks + "Click browse to begin."
QString clearedStatus();

// The hint shown when the address clipboard box is clicked.
QString selectAllHint();

} // namespace quillet::listview
