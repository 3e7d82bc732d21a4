// What the host DLL takes from other processes and from the shell: the call-function
// record read from shared memory, option texts cut into it, texts cut into the tray
// buffers, and the mouse messages of the tray icon.
#include <cstdint>
#include <cstring>
#include <string>

#include "call_record.h"
#include "copy_text.h"
#include "sjis_text.h"
#include "tray_mouse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    KxCallFunctionRecord received;
    std::memset(&received, 0xFF, sizeof received);
    std::memcpy(&received, data, size < sizeof received ? size : sizeof received);
    const KxCallFunctionRecord record = kx::SanitizedCallRecord(received);
    if (strnlen(record.Option, sizeof record.Option) >= sizeof record.Option) __builtin_trap();

    const std::string text(reinterpret_cast<const char *>(data), size);   // up to its first NUL as a C text
    const KxCallFunctionRecord made = kx::MakeCallRecord(7, text.c_str());
    const std::string_view kept(made.Option);
    if (kept != sjis::SjisPrefix(text.c_str(), sizeof made.Option - 1)) __builtin_trap();

    char buffer[64];
    const size_t room = size ? 1 + data[0] % sizeof buffer : sizeof buffer;
    const size_t copied = kx::CopySjisTruncated(buffer, room, text.c_str());
    if (copied >= room || buffer[copied] != '\0' || std::strlen(buffer) != copied) __builtin_trap();

    if (size >= 4) {
        uint32_t message;
        std::memcpy(&message, data, 4);
        const kx::TrayMouseAction mouse = kx::MapTrayMouseMessage(message);
        if (mouse.action < 0 || mouse.action > 3) __builtin_trap();
        if (mouse.action && mouse.button != 1 && mouse.button != 2 && mouse.button != 4) __builtin_trap();
    }
    return 0;
}
