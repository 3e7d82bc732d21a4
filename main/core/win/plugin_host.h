// The program's services to its plug-ins (TlxHost), handed to each plug-in that
// exports PIN_SetHost before its PIN_Init.
#pragma once
#include "tlx_plugin.h"

namespace ptr {
const TlxHost &PluginHost();
}  // namespace ptr
