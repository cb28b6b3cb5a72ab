#pragma once

#include "core/load_context.h"

#include <string>
#include <string_view>

namespace quillet::core {

// Shown whole, without the product line, once the file is read.
inline constexpr std::string_view kFinishedReading = "Finished reading file...";

// How the address list holds its texts: the scans keep the file's raw Windows-1252 bytes, the
// structural reading keeps UTF-8 (a Unicode item's address may hold any character).
enum class AddressForm { Cp1252Bytes, Utf8 };

// The text a loaded row is appended as: number, name and address each followed by a tab. Name
// and address are cut at their first NUL; the name is UTF-8, the address as `form` says.
std::string rowText(long number, std::string_view name, std::string_view address,
                    AddressForm form = AddressForm::Cp1252Bytes);

// The closing step every Browse operation ends in: clears the working lists, flashes the reading
// notice, re-enables the buttons and appends one grid row per address of addresses with its name
// from names, skipping those whose name and address are both empty once cut at a NUL.
void closingStep(LoadContext& load, AddressForm form = AddressForm::Cp1252Bytes);

} // namespace quillet::core
