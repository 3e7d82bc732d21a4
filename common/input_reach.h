// Whether keyboard input one program sends reaches another program's windows.
// Windows drops input sent to a program that runs above the sender (as
// administrator, at a higher integrity level) unless the sender may drive other
// programs' windows (UI access). No Windows header: the standings are read from
// the programs' tokens in common/win.
#pragma once
#include <cstdint>
#include <optional>

namespace tlx {

// The mandatory integrity levels by their numbers, as tokens carry them.
inline constexpr uint32_t kMediumIntegrity = 0x2000;
inline constexpr uint32_t kHighIntegrity = 0x3000;

struct ProcessStanding {
    uint32_t integrity = kMediumIntegrity;
    bool elevated = false;   // running as administrator
    bool uiAccess = false;
};

// ours: nothing on a system without integrity levels, where nothing is dropped.
// theirs: nothing when their token could not be read, which a program running
// above ours keeps from it.
bool InputReaches(const std::optional<ProcessStanding> &ours, const std::optional<ProcessStanding> &theirs);

}  // namespace tlx
