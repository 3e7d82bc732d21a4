#include "call_record.h"

#include <cstring>
#include "copy_text.h"

namespace kx {

KxCallFunctionRecord MakeCallRecord(int32_t functionType, const char *option) {
    KxCallFunctionRecord record;
    std::memset(&record, 0, sizeof record);
    record.FunctionType = functionType;
    CopySjisTruncated(record.Option, sizeof record.Option, option);
    return record;
}

KxCallFunctionRecord SanitizedCallRecord(const KxCallFunctionRecord &received) {
    KxCallFunctionRecord record = received;
    record.Option[sizeof record.Option - 1] = '\0';
    return record;
}

}  // namespace kx
