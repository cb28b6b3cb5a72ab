#include "core/followed_structure.h"

namespace quillet::core {
namespace {

// How much is read between two parts once the whole file is there.
constexpr std::size_t kPartStep = std::size_t{1} << 18;

} // namespace

FollowedStructure::Reading::Reading(const LoadOptions& options, std::size_t fileSize)
    : addresses(options, fileSize),
      reader([this](const Nk2ItemView& item) { addresses.add(item); }) {}

FollowedStructure::FollowedStructure(const LoadOptions& options, std::size_t fileSize, Parts parts)
    : options_(options), parts_(std::move(parts)),
      reading_(std::make_unique<Reading>(options, fileSize)) {}

void FollowedStructure::readOn(std::string_view bytesSoFar) {
    readOnAndGive(bytesSoFar);
    seen_ = bytesSoFar.size();
}

void FollowedStructure::readOnAndGive(std::string_view bytesSoFar) {
    reading_->reader.readOn(bytesSoFar);
    if (parts_.take) {
        if (NamedAddresses part = reading_->addresses.takeSoFar(); !part.empty()) {
            parts_.take(std::move(part));
        }
    }
}

std::optional<StructureRead> FollowedStructure::finish(std::optional<std::string_view> file) {
    if (!file) {
        reading_.reset();
        return std::nullopt;
    }
    // The steps stand on bytes the file no longer reaches: it is read again from its start.
    if (file->size() < seen_) {
        reading_ = std::make_unique<Reading>(options_, file->size());
        seen_ = 0;
        if (parts_.startAgain) {
            parts_.startAgain();
        }
    }
    if (parts_.take) {
        for (std::size_t end = seen_ + kPartStep; end < file->size(); end += kPartStep) {
            readOnAndGive(file->substr(0, end));
        }
    }
    Nk2Structure structure = std::move(reading_->reader).finish(*file);
    StructureRead read{std::move(structure), std::move(reading_->addresses).take()};
    reading_.reset();
    return read;
}

} // namespace quillet::core
