#pragma once

// Where the project can be reached; shown in the About and Help window and in the help marquee.
namespace quillet::info {

inline constexpr char kProjectWebAddress[] = "https://quillet.example.org";
inline constexpr char kContactEmail[] = "contact@quillet.example.org";

} // namespace quillet::info
