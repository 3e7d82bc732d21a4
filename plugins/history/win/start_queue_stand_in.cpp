// Stands in for the 連続貼り付け mode until it joins the plug-in: queuing changes nothing.
#include "start_queue.h"

namespace tlxhistory {

void StartQueue(const std::vector<std::u16string> &) {}

}  // namespace tlxhistory
