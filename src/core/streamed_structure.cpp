#include "core/streamed_structure.h"

#include "core/os/input_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace quillet::core {
namespace {

// How much is read at a time: small enough to stay in the processor's cache while the items in
// it are read.
constexpr std::size_t kBlock = std::size_t{256} << 10;

StreamedStructure failure(std::string reason) {
    StreamedStructure result;
    result.reason = std::move(reason);
    return result;
}

// The bytes the reading still needs followed by those just read, in one block that grows only
// for an item larger than itself. It grows in place where the system can (a large block is
// moved by remapping its pages), so that growing never holds the old bytes and a copy at once,
// and memory never read into is never touched.
class Window {
public:
    char* space() { return bytes_.get() + used_; }
    std::size_t room() const { return size_ - used_; }
    void filled(std::size_t count) { used_ += count; }
    std::string_view view() const { return {bytes_.get(), used_}; }
    std::size_t start() const { return start_; }

    // Drops what comes before the file offset `needed`, and grows when what is left fills it.
    void keepFrom(std::size_t needed) {
        const std::size_t drop = needed - start_;
        std::memmove(bytes_.get(), bytes_.get() + drop, used_ - drop);
        used_ -= drop;
        start_ = needed;
        if (used_ == size_) {
            const std::size_t size = size_ + size_ / 2;
            void* grown = std::realloc(bytes_.get(), size);
            if (grown == nullptr) {
                throw std::bad_alloc();
            }
            static_cast<void>(bytes_.release());
            bytes_.reset(static_cast<char*>(grown));
            size_ = size;
        }
    }

private:
    struct Free {
        void operator()(char* bytes) const { std::free(bytes); }
    };
    static std::unique_ptr<char, Free> allocated(std::size_t size) {
        auto* bytes = static_cast<char*>(std::malloc(size));
        if (bytes == nullptr) {
            throw std::bad_alloc();
        }
        return std::unique_ptr<char, Free>(bytes);
    }

    std::size_t size_ = kBlock;
    std::unique_ptr<char, Free> bytes_ = allocated(kBlock);
    std::size_t used_ = 0;
    std::size_t start_ = 0; // the file offset of the first byte kept
};

} // namespace

StreamedStructure streamStructure(const ReadSource& source, int descriptor, std::size_t limit,
                                  const LoadOptions& options, const AddressPartTaker& take) {
    try {
        AddressPart part;
        Nk2ItemReader reader(
            [&part, &options](const Nk2ItemView& item) { addAddresses(item, options, part); });
        Window window;
        std::size_t total = 0;
        while (!reader.stopped()) {
            if (window.room() == 0) {
                window.keepFrom(reader.neededFrom());
            }
            const ssize_t got = readSome(source, descriptor, window.space(), window.room());
            if (got < 0) {
                return failure(std::strerror(errno != 0 ? errno : EIO));
            }
            if (got == 0) {
                break;
            }
            window.filled(static_cast<std::size_t>(got));
            total += static_cast<std::size_t>(got);
            if (total > limit) {
                return failure(tooLargeReason(limit));
            }
            reader.readOn(window.view(), window.start());
            if (take && !part.empty()) {
                take(std::exchange(part, {}));
            }
        }
        StreamedStructure result;
        result.structure = std::move(reader).finish(window.view(), window.start());
        result.rest = std::move(part);
        result.ok = true;
        return result;
    } catch (const std::bad_alloc&) {
        return failure("Not enough memory to read the file");
    }
}

StreamedStructure streamStructureFile(const std::string& path, std::size_t limit,
                                      const LoadOptions& options, const ReadSource& source,
                                      const AddressPartTaker& take) {
    const os::InputFile file(path);
    if (!file.problem().empty()) {
        return failure(file.problem());
    }
    if (file.size() > limit) {
        return failure(tooLargeReason(limit));
    }
    StreamedStructure result = streamStructure(source, file.descriptor(), limit, options, take);
    result.identity = file.identity();
    return result;
}

} // namespace quillet::core
