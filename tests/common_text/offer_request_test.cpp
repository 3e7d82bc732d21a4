// What a request for the program's offer on the clipboard is taken for, as the programs
// around it ask: the paste, and every kind of look that must not move a queue.
#include <gtest/gtest.h>

#include "offer_request.h"

using tlx::OfferRequest;
using tlx::OfferRequestFacts;

namespace {

constexpr uint32_t kSelf = 10, kEditor = 20, kTool = 30;

// The editor in front, asking after a key was pressed.
OfferRequestFacts EditorPastes() {
    OfferRequestFacts facts;
    facts.requester = kEditor;
    facts.self = kSelf;
    facts.front = kEditor;
    facts.inputSinceOffer = true;
    return facts;
}

template <typename Change>
OfferRequestFacts With(Change change) {
    OfferRequestFacts facts = EditorPastes();
    change(facts);
    return facts;
}

TEST(OfferRequest, WhoAskedAndWhen) {
    const struct {
        const char *what;
        OfferRequestFacts facts;
        OfferRequest taken;
    } cases[] = {
        {"the program in front after a key", EditorPastes(), OfferRequest::kPaste},
        {"after the program's own Ctrl+V", With([](auto &f) { f.inputSinceOffer = false, f.ownKeysSent = true; }),
         OfferRequest::kPaste},
        {"the program in front before any key", With([](auto &f) { f.inputSinceOffer = false; }), OfferRequest::kLook},
        {"a tool in the background", With([](auto &f) { f.requester = kTool; }), OfferRequest::kLook},
        {"a tool after the program's own Ctrl+V",
         With([](auto &f) { f.requester = kTool, f.ownKeysSent = true, f.ownPasteDue = true; }), OfferRequest::kNothing},
        {"a tool looking again", With([](auto &f) { f.requester = kTool, f.lookedBefore = true; }),
         OfferRequest::kNothing},
        {"a program without a window, after a key", With([](auto &f) { f.requester = 0; }), OfferRequest::kLook},
        {"the program's own thread", With([](auto &f) { f.fromThisThread = true; }), OfferRequest::kLook},
        {"another thread of the program", With([](auto &f) { f.requester = kSelf, f.front = kSelf; }),
         OfferRequest::kLook},
        {"the last paster again, nothing typed", With([](auto &f) { f.lastTaker = kEditor; }),
         OfferRequest::kSamePaste},
        {"the last paster again after a key", With([](auto &f) { f.lastTaker = kEditor, f.inputSinceTaken = true; }),
         OfferRequest::kPaste},
        {"the last paster again, in the background now",
         With([](auto &f) { f.lastTaker = kEditor, f.front = kTool; }), OfferRequest::kSamePaste},
    };
    for (const auto &c : cases) EXPECT_EQ(c.taken, tlx::ClassifyOfferRequest(c.facts)) << c.what;
}

}  // namespace
