// The text plug-in's clipboard pieces: the shared session, blocks and writer,
// and the text forms added to a write.
#pragma once
#include <windows.h>

#include "clipboard_writer.h"
#include "plugin_clipboard.h"

namespace tlxtext {

using tlx::ClipboardSession;
using tlx::ClipboardWriter;
using tlx::GlobalBlock;
using tlx::ReadClipboardBlock;
using tlx::TextForms;

// CF_TEXT, and CF_UNICODETEXT when the Unicode text is its own.
void AddTextForms(ClipboardWriter &writer, const TextForms &forms);

}  // namespace tlxtext
