#pragma once

#include <QString>
#include <cstdint>

namespace quillet::app {

// The path of a special folder (26 application data, 5 documents) ending in the platform's
// separator, or an empty string when the identifier is outside 16 bits or the folder cannot
// be resolved.
QString GetSpecialFolder(std::int32_t folderId);

} // namespace quillet::app
