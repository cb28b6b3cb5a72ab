#pragma once

#include "core/address_parts.h"
#include "core/file_bytes.h"
#include "core/file_identity.h"
#include "core/nk2_load.h"
#include "core/nk2_structure.h"

#include <cstddef>
#include <functional>
#include <string>

// The structural reading of a file as its bytes come in, keeping only the bytes of the item being
// read rather than the whole file: no more memory than the largest item needs, and the bytes are
// read while they are still in the processor's cache.
namespace quillet::core {

// Takes the addresses found since the last part, in file order and duplicates included, so that
// rows can be made of them meanwhile.
using AddressPartTaker = std::function<void(AddressPart part)>;

struct StreamedStructure {
    bool ok = false;
    std::string reason; // why the bytes could not be read, when !ok
    Nk2Structure structure;
    AddressPart rest;        // the addresses not handed over in parts
    FileIdentity identity{}; // of the file read, when ok
};

// Reads the descriptor through source to its end, at most `limit` bytes ("File too large: ..."
// past them), and gives the reading of the bytes read with every address of the chosen types its
// items hold (FirstAddresses keeps one of each). Each part goes to take as it is found, when take
// is given.
StreamedStructure streamStructure(const ReadSource& source, int descriptor, std::size_t limit,
                                  const LoadOptions& options, const AddressPartTaker& take = {});

// The same for the file at path, opened as readFileBytes opens it.
StreamedStructure streamStructureFile(const std::string& path, std::size_t limit,
                                      const LoadOptions& options,
                                      const ReadSource& source = os::systemRead,
                                      const AddressPartTaker& take = {});

} // namespace quillet::core
