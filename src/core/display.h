#pragma once

#include "core/address_row.h"
#include "core/load_context.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace quillet::core {

// Shown whole, without the product line, once the file is read.
inline constexpr std::string_view kFinishedReading = "Finished reading file...";

// How the address list holds its texts: the scans keep the file's raw Windows-1252 bytes, the
// structural reading keeps UTF-8 (a Unicode item's address may hold any character).
enum class AddressForm { Cp1252Bytes, Utf8 };

// The row a loaded entry gets: name and address cut at their first NUL, the name UTF-8, the
// address as `form` says.
AddressRow loadedRow(long number, std::string name, std::string address,
                     AddressForm form = AddressForm::Cp1252Bytes);

// How the closing step hands its rows over: one at a time with a pause after each, as Browse
// always has, or in batches with a pause after each when the host says one is due, so that a
// structural reading of any size shows its rows in a blink.
enum class Pacing { EveryRow, Batched };

// The closing step every load ends in: clears the working lists, flashes the reading notice,
// re-enables the buttons and appends one grid row per address of addresses with its name from
// names, skipping those whose name and address are both empty once cut at a NUL.
void closingStep(LoadContext& load, AddressForm form = AddressForm::Cp1252Bytes,
                 Pacing pacing = Pacing::EveryRow);

// The same steps for rows from elsewhere: rowAt(index, number) makes the row at each index from
// 0 through count (the one past the last, as the lists read, included), or nothing to skip it.
using RowMaker = std::function<std::optional<AddressRow>(std::size_t index, long number)>;
void closingStep(LoadContext& load, std::size_t count, const RowMaker& rowAt, Pacing pacing);

} // namespace quillet::core
