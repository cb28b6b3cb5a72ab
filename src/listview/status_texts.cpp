#include "listview/status_texts.h"

namespace quillet::listview {

QString selectionStatus(int rowCount, int currentRow) {
    return QStringLiteral("Finished reading file, %1 e-mail addresses found.").arg(rowCount) +
           QString(88, QLatin1Char(' ')) +
           QStringLiteral("Selected %1 of %2").arg(currentRow + 1).arg(rowCount);
}

QString clearedStatus() {
    return QStringLiteral("All addresses cleared.") + QString(141, QLatin1Char(' ')) +
           QStringLiteral("Click browse to begin.");
}

QString selectAllHint() {
    // The banner label takes "&" literally (it has no buddy), so the single ampersand is the
    // one the user is meant to see.
    return QStringLiteral(
        "Select item from e-mail list below, then Right Click, Copy, & Paste from Address "
        "Clipboard.");
}

} // namespace quillet::listview
