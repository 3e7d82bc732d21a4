// The system-wide window messages the host DLL sends and answers.
#pragma once
#include <windows.h>

namespace kx {

enum class Message { TaskbarCreated, MainWindowShow, CallFunction, TrayCallback };

// The number the system gives the message's name; registered on first use.
UINT RegisteredMessage(Message which);
// Registers all four, so that none is still unknown when one arrives.
void RegisterAllMessages();

}  // namespace kx
