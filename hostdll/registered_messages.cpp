#include "registered_messages.h"

namespace kx {

UINT RegisteredMessage(Message which) {
    static const char *const names[] = {
        "TaskbarCreated",
        "KXDLL_MainWindow_Show",
        "KXDLL_CallFunction",
        "KXDLL_NOTIFYICON_MESSAGE By Tavimo",
    };
    static UINT ids[4];
    const int index = static_cast<int>(which);
    if (!ids[index]) ids[index] = RegisterWindowMessageA(names[index]);
    return ids[index];
}

void RegisterAllMessages() {
    for (int i = 0; i <= static_cast<int>(Message::TrayCallback); ++i) RegisteredMessage(static_cast<Message>(i));
}

}  // namespace kx
