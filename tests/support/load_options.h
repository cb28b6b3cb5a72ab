#pragma once

#include "core/nk2_load.h"

namespace quillet::testing {

// The type boxes as the tests tick them: both types, SMTP only, Exchange only, names for each.
inline constexpr core::LoadOptions kBoth{};
inline constexpr core::LoadOptions kSmtpOnly{true, false, true, false};
inline constexpr core::LoadOptions kDomainOnly{false, true, false, true};

} // namespace quillet::testing
