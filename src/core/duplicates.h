#pragma once

#include "core/load_context.h"
#include "core/scratch_list.h"

namespace quillet::core {

// Removes repeated items, comparing texts without regard to letter case. The result is exactly
// that of removeDuplicatesReference (the same survivors in the same order), in O(n log n): only
// the items equal to the current one are visited.
void removeDuplicates(ScratchList& list);

// The duplicate loop as the reader has always run it: for every index i up to and including
// the item count, every index j up to and including the item count (both bounds and both items
// read afresh each round); an item j other than i that equals item i is removed, and j moves on
// by one either way. Quadratic; kept as the definition the fast version is checked against.
void removeDuplicatesReference(ScratchList& list);

// The duplicate step: de-duplicates exchangeFound and copies it, closed by an empty item, into
// exchangeUnique and addresses, with the matching names in names (each address its own name when
// exchangeNames is set, else empty names); then clears exchangeUnique to smtpFound.
void duplicateStep(LoadContext& load, bool exchangeNames);

} // namespace quillet::core
