#pragma once

#include "core/wait_ticks.h"

#include <QString>
#include <functional>

namespace quillet::info {

// Plays the four help messages in the status banner: each grows in from the right one
// character per 30 ms step, stays, then shrinks away. setBanner replaces the whole banner
// text; wait is the cooperative wait.
void playHelpMarquee(const std::function<void(const QString&)>& setBanner,
                     const std::function<void(core::WaitTicks)>& wait);

} // namespace quillet::info
