#pragma once

#include <QIcon>

namespace quillet::app {

// The program's icon, the picture of packaging/quillet.svg (an envelope and a quill) drawn
// here, so the window shows it without an SVG image plug-in or an installed theme.
QIcon programIcon();

} // namespace quillet::app
