#include "cli/listed_rows.h"

#include "cli/exit_status.h"
#include "cli/json_lines.h"
#include "cli/stream_output.h"

#include <array>
#include <charconv>
#include <span>

namespace quillet::cli {
namespace {

// About one pipe's worth: each block is one write.
constexpr std::size_t kBlockSize = std::size_t{64} << 10;

// Appends the row as a tab-separated line; one pass over the whole line, which the compiler makes
// wide instructions, keeps it on its line.
void appendTabLine(std::string& text, std::size_t number, std::string_view name,
                   std::string_view address, std::string_view type) {
    const std::size_t start = text.size();
    std::array<char, 24> digits{};
    char* end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    text.append(digits.data(), end).append(1, '\t').append(name).append(1, '\t');
    text.append(address).append(1, '\t').append(type);
    for (char& c : std::span(text).subspan(start)) {
        c = c == '\r' || c == '\n' ? ' ' : c;
    }
    text += '\n';
}

} // namespace

void ListedRows::append(std::string_view name, std::string_view address, std::string_view type,
                        bool /*byHand*/) {
    std::string& block = blockWithRoom();
    ++count_;
    if (json_) {
        appendJsonLine(block, count_, name, address, type);
    } else {
        appendTabLine(block, count_, name, address, type);
    }
}

int ListedRows::print(std::ostream& out, std::ostream& err) const {
    for (const std::string& block : blocks_) {
        if (const int status = writeToStream(out, {block}, err); status != kExitOk) {
            return status;
        }
    }
    return kExitOk;
}

std::string& ListedRows::blockWithRoom() {
    if (blocks_.empty() || blocks_.back().size() >= kBlockSize) {
        blocks_.emplace_back().reserve(kBlockSize + kBlockSize / 4);
    }
    return blocks_.back();
}

} // namespace quillet::cli
