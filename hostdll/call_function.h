// Receiving side of the cross-process function request.
#pragma once
#include "tlx_records.h"

namespace kx {

// Copies the request a sender has just broadcast. False when there is no
// request to read: the channel cannot be opened, or no sender holds it.
bool ReceiveCallRecord(KxCallFunctionRecord *record);

}  // namespace kx
