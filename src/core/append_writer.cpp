#include "core/append_writer.h"

// The forms of the appending writer that both systems share: one text is an export of one part.
namespace quillet::core {
namespace {

AppendInParts inOnePart(const AppendRequest& request) {
    return {request.header,
            [records = request.records](std::size_t part) -> std::optional<std::string_view> {
                if (part > 0) {
                    return std::nullopt;
                }
                return records;
            },
            request.inputs};
}

} // namespace

std::optional<std::string> appendToFile(const std::string& path, const AppendRequest& request) {
    return appendToFile(path, inOnePart(request));
}

std::optional<std::string> appendToFile(const std::string& path, const AppendRequest& request,
                                        const FileWrite& write) {
    return appendToFile(path, inOnePart(request), write);
}

std::optional<std::string> appendToFile(const std::string& path, std::string_view bytes) {
    return appendToFile(path, AppendRequest{{}, bytes});
}

} // namespace quillet::core
