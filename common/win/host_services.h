// The host's services as PIN_SetHost handed them to this plug-in (tlx_plugin.h), for
// the pieces that use them: each field asked for only where the host's record has it.
#pragma once
#include <windows.h>

#include <cstddef>

#include "tlx_plugin.h"

namespace tlx {

// What PIN_SetHost was given (null: none, or a host without services).
void UseHost(const TlxHost *host);

// The host's record when it has the field that ends at `end` (offsetof + sizeof); else null.
const TlxHost *HostWith(size_t end);
#define TLX_HOST_WITH(field) ::tlx::HostWith(offsetof(TlxHost, field) + sizeof(TlxHost::field))

// How much larger than their design the host draws its windows, in percent (help mode);
// 100 without a host or one that does not tell.
int HostWindowScalePercent();

// Tells the host that this plug-in's setting names changed; nothing without such a host.
void TellHostFunctionsChanged();

// A balloon over the program's tray icon (code page 932 texts); false where the host
// shows none, so that the caller tells the user another way.
bool ShowHostNotice(const char *title, const char *text, bool warning);

}  // namespace tlx
