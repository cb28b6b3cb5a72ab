#include "structure_count.h"

namespace quillet::cli {

StructureCount::StructureCount(const core::LoadOptions& options, std::size_t fileSize)
    : keys_(options, fileSize), wholeFile_(file_.get_future()),
      counting_(std::async(std::launch::async | std::launch::deferred, [this] { count(); })) {}

StructureCount::~StructureCount() {
    // A run that stops early must not leave the thread waiting for bytes.
    fileRead({});
}

void StructureCount::fileRead(std::string_view bytes) {
    follower_.stop();
    if (!fileGiven_) {
        fileGiven_ = true;
        file_.set_value(bytes);
    }
}

std::size_t StructureCount::missedAmong(const core::AddressKeys& shown) {
    counting_.get();
    return keys_.missedAmong(shown);
}

void StructureCount::count() {
    follower_.follow([this](std::string_view bytesSoFar) { keys_.readOn(bytesSoFar); });
    keys_.finish(wholeFile_.get());
}

} // namespace quillet::cli
