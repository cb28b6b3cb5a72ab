#include "cli/diagnostics.h"

namespace quillet::cli {

std::ostream& problem(std::ostream& err) {
    return err << kProgram << ": ";
}

std::ostream& warning(std::ostream& err) {
    return problem(err) << "warning: ";
}

} // namespace quillet::cli
