// The host DLL's test switch for the way it hears of clipboard changes, set in this
// process's environment while the object lives: Init in this process reads it, and
// every process started meanwhile (a program folder's ptrmain) inherits it.
#pragma once
#include <windows.h>

#include "viewer_chain_switch.h"  // the variable's name, beside the host DLL

namespace ptrbench {

enum class NoticeWay { Listener, ViewerChain };

// "listener" or "chain": in labels, test names and the baseline viewer's arguments.
inline const char *NoticeWayName(NoticeWay way) { return way == NoticeWay::Listener ? "listener" : "chain"; }

class NoticeWaySwitch {
public:
    explicit NoticeWaySwitch(NoticeWay way) : chain_(way == NoticeWay::ViewerChain) {
        if (chain_) SetEnvironmentVariableA(kx::kViewerChainTestSwitch, "1");
    }
    ~NoticeWaySwitch() {
        if (chain_) SetEnvironmentVariableA(kx::kViewerChainTestSwitch, nullptr);
    }
    NoticeWaySwitch(const NoticeWaySwitch &) = delete;
    NoticeWaySwitch &operator=(const NoticeWaySwitch &) = delete;

private:
    bool chain_;
};

}  // namespace ptrbench
