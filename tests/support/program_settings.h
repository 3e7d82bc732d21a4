// Setting.ini texts of the program as the tests that start it write them.
#pragma once
#include <string>
#include <vector>

namespace ptrtest {

// [Main] of a program that starts quietly: no splash, no question when it ends, no menu of
// its own; watching the clipboard or not. `more` (whole lines) follows those keys.
std::string QuietMain(bool watching, const std::string &more = "");

// A watch action: a function run on copies of the formats, when its checks hold.
struct WatchAction {
    std::string function;     // "plugin.tlx/funcno/setno"
    std::string checks = {};  // "plugin.tlx/funcno/setno,...": none when empty
    bool allChecks = true;    // every check must hold, else one is enough
    std::string formats = "1";   // the format numbers; empty for every format
    bool enabled = true;
};
// [Watch] with the actions in order, closed by the entry whose Function is -1.
std::string WatchSection(const std::vector<WatchAction> &actions);

}  // namespace ptrtest
