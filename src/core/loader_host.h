#pragma once

#include "scratch_list.h"

#include <cstdint>
#include <string>

namespace quillet::core {

// What the NK2 loader needs from whoever runs it: the main window, the converter, or a test
// recorder. Texts are UTF-8.
class LoaderHost {
public:
    virtual ~LoaderHost() = default;

    virtual void setStatus(const std::string& bannerText) = 0; // whole banner text
    virtual void setEntryCount(long count) = 0;
    virtual void wait(std::int32_t count) = 0; // cooperative pause, units of 100 microseconds
    virtual void setBusy(bool busy) = 0;       // hourglass pointer on or off
    virtual void readingNotice() = 0;          // flash the reading notice (two texts, two waits)
    virtual void enableButtons() = 0;          // Browse and Export usable again
    virtual void appendRow(const std::string& tabJoined) = 0;
    virtual int rowCount() const = 0;
    virtual ScratchLists& lists() = 0;
};

} // namespace quillet::core
