#include "input_reach.h"

namespace tlx {

bool InputReaches(const std::optional<ProcessStanding> &ours, const std::optional<ProcessStanding> &theirs) {
    if (!ours || ours->uiAccess) return true;
    if (!theirs) return ours->elevated || ours->integrity >= kHighIntegrity;
    // Windows compares the levels; an elevated program is above one that is not
    // even where a system reports both at one level.
    return theirs->integrity <= ours->integrity && (ours->elevated || !theirs->elevated);
}

}  // namespace tlx
