// The record that carries a function request from one process to another.
#pragma once
#include <cstdint>
#include "tlx_records.h"

namespace kx {

// Type and option text; a text longer than the record holds is cut at a
// character boundary. The rest of the record is zero.
KxCallFunctionRecord MakeCallRecord(int32_t functionType, const char *option);

// A copy of a record read from shared memory whose text is terminated even if
// the writer did not terminate it.
KxCallFunctionRecord SanitizedCallRecord(const KxCallFunctionRecord &received);

}  // namespace kx
