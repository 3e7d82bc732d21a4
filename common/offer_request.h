// Who asked for what the program offers on the clipboard for a paste, and what the
// request is taken for. A paste comes from the program in front once something was typed
// or clicked (the program's own Ctrl+V included); whatever else asks only looks: the
// program's own readers, a program reading every change in the background, the program
// in front before any key or click, and a program that does not say which it is (it opened
// the clipboard without a window). Windows gives no more than that to tell them apart.
#pragma once
#include <cstdint>

namespace tlx {

enum class OfferRequest {
    kPaste,       // a paste takes the content
    kSamePaste,   // the program that pasted last asks again, nothing typed since: the same paste
    kLook,        // gets the content; the offer is made again so that the paste still asks
    kNothing,     // gets nothing: it has seen this content, or the program's own paste is due
};

struct OfferRequestFacts {
    bool fromThisThread = false;   // asked by the program's own thread
    uint32_t requester = 0;        // the process that asked; 0: not said
    uint32_t self = 0;             // the program's process
    uint32_t front = 0;            // the process of the window in front
    bool inputSinceOffer = false;  // typed or clicked since the content was offered
    bool ownKeysSent = false;      // the program's own Ctrl+V went for the content
    bool ownPasteDue = false;      // the program is about to send, or has sent, its Ctrl+V
    uint32_t lastTaker = 0;        // the process whose paste took the content last; 0: none
    bool inputSinceTaken = false;  // typed or clicked since then
    bool lookedBefore = false;     // the requester looked at an earlier offer of this content
};

OfferRequest ClassifyOfferRequest(const OfferRequestFacts &facts);

}  // namespace tlx
