#pragma once

#include <QString>

namespace quillet::app {
class Form1;
}

// The Browse operation: the Browse button, File, Open, and an NK2 file dropped on the window.
namespace quillet::nk2 {

// Whether a Browse operation runs in form, from disabling the buttons to its last grid row.
// The buttons come back before the last rows are shown, so they alone do not tell.
bool loadRunning(const app::Form1& form);

// Browse with the file-open dialog. Does nothing while a load runs.
void browseWithDialog(app::Form1& form);

// Browse for a file the user chose without the dialog: the same steps as browseWithDialog,
// minus the search for the dialog's initial folder and the dialog itself. Does nothing while a
// load runs.
void browseFile(app::Form1& form, const QString& path);

} // namespace quillet::nk2
