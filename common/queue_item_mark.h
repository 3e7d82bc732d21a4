// The mark on the items the history offers for 連続貼り付け. Such an item is handed over
// when a program asks for its text, and that request is taken for a paste: whatever only
// looks at a copy (the program's watch, the history's recording) leaves a marked one
// alone, as it leaves a private copy, so that looking never moves the queue on.
#pragma once

namespace tlx {

inline constexpr const char *kQueueItemFormat = "Porterica Queue Item";

}  // namespace tlx
