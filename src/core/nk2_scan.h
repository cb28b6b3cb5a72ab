#pragma once

#include "core/load_context.h"

#include <cstddef>
#include <string_view>

namespace quillet::core {

inline constexpr std::string_view kExchangeMarkerLower = "cn=Recipients/cn=";
inline constexpr std::string_view kExchangeMarkerUpper = "CN=RECIPIENTS/CN=";
inline constexpr std::string_view kSmtpMarker = "SMTP:";
inline constexpr char kTerminator = '\x02';

// The step counter value at which the Exchange scan stops (it runs while the counter is below
// it) and above which the SMTP scan stops.
inline constexpr int kStepLimit = 9000;

// An address whose terminator lies further than this from its first byte is cut here. No real
// address comes near it; without it a file with many markers and no terminator would copy the
// rest of the file once per marker and exhaust memory.
inline constexpr std::size_t kMaxAddressBytes = 4096;

// Appends the Exchange addresses after either Exchange marker to exchangeFound, terminator
// included.
void exchangeScan(LoadContext& load);

// Clears smtpLocations, then appends the SMTP addresses to smtpFound and their SMTP locations
// (position of the address's first byte plus one) to smtpLocations.
void smtpScan(LoadContext& load);

} // namespace quillet::core
