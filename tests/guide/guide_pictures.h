// The pictures of the user guide: every window it explains, each taken from the
// running program in the order of this list. A new window is a new line of the list.
#pragma once
#include <vector>

#include "guide_session.h"

namespace guide {

struct Picture {
    const char *name;          // guide/NAME.png beside Readme.html
    bool (*take)(Session &);   // brings the window up and shoots it
};

const std::vector<Picture> &Pictures();

}  // namespace guide
