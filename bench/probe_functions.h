// The function table of a test plug-in and the records the host asks for, shared by the
// benchmark's probe and the end-to-end tests' probe.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "tlx_records.h"

namespace probe {

struct FunctionInfo {
    const char *name;
    int32_t type;
    int32_t settings;
};

// Fixed fields are zeroed by the host; the last byte stays its terminator.
inline void CopyField(char *field, size_t size, const char *text) {
    std::memcpy(field, text, std::min(std::strlen(text), size - 1));
}

template <size_t N>
const FunctionInfo *FindFunction(const FunctionInfo (&table)[N], int32_t funcno) {
    return funcno >= 1 && static_cast<size_t>(funcno) <= N ? &table[funcno - 1] : nullptr;
}

template <size_t N>
int32_t FillFuncInfo(const FunctionInfo (&table)[N], int32_t funcno, TlxFuncInfo *info) {
    const FunctionInfo *f = FindFunction(table, funcno);
    if (!f) return 0;
    CopyField(info->Name, sizeof info->Name, f->name);
    info->FunctionType = f->type;
    info->FuncNameNumMax = f->settings;
    return 0;
}

}  // namespace probe
