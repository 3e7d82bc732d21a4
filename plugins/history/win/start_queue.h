// 連続貼り付け: the queue the history window's Ctrl+Enter fills.
#pragma once
#include <string>
#include <vector>

namespace tlxhistory {

// Starts the mode with the items queued in their order.
void StartQueue(const std::vector<std::u16string> &items);

}  // namespace tlxhistory
