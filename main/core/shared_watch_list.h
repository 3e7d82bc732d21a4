// The watch list as the running program holds it. A clipboard change walks the list
// in place, holding it, so that an edit in the settings window made while one of the
// change's functions runs cannot pull the list from under the walk: such an edit
// changes a copy, which then replaces the list. Unheld, the list is edited in place.
#pragma once
#include <memory>

#include "watch_actions.h"

namespace ptr {

class SharedWatchList {
public:
    SharedWatchList() : list_(std::make_shared<WatchActionList>(EmptyWatchList())) {}
    SharedWatchList &operator=(WatchActionList list) {
        list_ = std::make_shared<WatchActionList>(std::move(list));
        return *this;
    }

    operator const WatchActionList &() const { return *list_; }
    const WatchAction &operator[](size_t i) const { return (*list_)[i]; }
    WatchAction &operator[](size_t i) { return Edit()[i]; }

    // The list to change: a copy of its own first while a change holds it.
    WatchActionList &Edit() {
        if (list_.use_count() > 1) list_ = std::make_shared<WatchActionList>(*list_);
        return *list_;
    }
    // The list as it stands, unchanged for as long as it is held.
    std::shared_ptr<const WatchActionList> Hold() const { return list_; }

private:
    std::shared_ptr<WatchActionList> list_;
};

}  // namespace ptr
