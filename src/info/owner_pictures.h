#pragma once

#include <QPixmap>
#include <QString>

namespace quillet::info {

// The owner's picture of the About view: a quill over an inkwell.
QPixmap ownerPicture();

// The contact e-mail address as a picture, so that it is not harvested as text.
QPixmap emailPicture(const QString& address);

} // namespace quillet::info
