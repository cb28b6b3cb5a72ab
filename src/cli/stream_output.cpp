#include "stream_output.h"

#include "exit_status.h"

namespace quillet::cli {

int writeToStream(std::ostream& out, std::string_view text, std::ostream& err) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
        err << "quillet-convert: could not write to standard output\n";
        return kExitOutputFailed;
    }
    return kExitOk;
}

} // namespace quillet::cli
