#include "offer_request.h"

namespace tlx {

OfferRequest ClassifyOfferRequest(const OfferRequestFacts &facts) {
    if (facts.fromThisThread || facts.requester == facts.self) return OfferRequest::kLook;
    const bool known = facts.requester != 0;
    if (known && facts.requester == facts.lastTaker && !facts.inputSinceTaken) return OfferRequest::kSamePaste;
    if (known && facts.requester == facts.front && (facts.ownKeysSent || facts.inputSinceOffer))
        return OfferRequest::kPaste;
    // Another look while the program's Ctrl+V is on its way would spend the offer as the paste comes.
    if (facts.lookedBefore || facts.ownPasteDue) return OfferRequest::kNothing;
    return OfferRequest::kLook;
}

}  // namespace tlx
