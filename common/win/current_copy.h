// The copy on the clipboard now, looked at once per change. The program looks at each
// change before it runs its watch actions and hands that look to the plug-ins
// (TlxHost.LookAtCopy), so that neither a check nor an action asks the system again
// what the program already knows: every question to the clipboard is a round trip to
// the system (under Wine, to its server).
#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "copy_look.h"
#include "paste_mark.h"
#include "tlx_plugin.h"

namespace tlx {

// The registered numbers of the four privacy marks, registered once per process.
const PrivacyFormatIds &PrivacyFormats();
// The registered number of the mark of an item of 連続貼り付け (queue_item_mark.h).
UINT QueueItemFormat();
// The registered number of the mark on what the program put on the clipboard for a
// paste, or gave back after one (paste_mark.h).
UINT PasteMarkFormat();
// The paste mark on the clipboard now, read (the clipboard opened for it when it is not
// open here); nothing when there is none.
std::optional<PasteMark> PasteMarkOnClipboard();

// The copy on the clipboard now, kept by the clipboard's sequence number: the host's look
// where the host has looked at this copy, otherwise looked at here (the formats in one
// listing; the clipboard is opened, when it is not open already, only to read the data
// of a mark that is there). With the clipboard open, it is the look of what is open.
// Held, it stays as it was when the clipboard changes again (a function run for the
// change may write to it).
std::shared_ptr<const CopyLook> CurrentCopy();

// The look this module keeps of the copy now on the clipboard; null when it has not
// looked at this copy. Never asks the system more than the sequence number.
std::shared_ptr<const CopyLook> LookedAtCopy();

}  // namespace tlx
