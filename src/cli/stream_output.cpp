#include "cli/stream_output.h"

#include "cli/diagnostics.h"
#include "cli/exit_status.h"

namespace quillet::cli {

int writeToStream(std::ostream& out, std::initializer_list<std::string_view> texts,
                  std::ostream& err) {
    for (const std::string_view text : texts) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    out.flush();
    if (!out) {
        problem(err) << "could not write to standard output\n";
        return kExitOutputFailed;
    }
    return kExitOk;
}

} // namespace quillet::cli
