#include "program_settings.h"

#include <cstdio>

namespace ptrtest {

namespace {

std::string Key(size_t n, const char *name) {
    char number[8];
    std::snprintf(number, sizeof number, "%03zu", n);
    return number + std::string(name);
}

std::string Flag(bool on) { return on ? " 1" : " 0"; }

}  // namespace

std::string QuietMain(bool watching, const std::string &more) {
    return "[Main]\r\nSplashShow= 0\r\nEndingCheck= 0\r\nClipboardWatch=" + Flag(watching) + "\r\nDefaultMenu= 0\r\n" +
           more;
}

std::string WatchSection(const std::vector<WatchAction> &actions) {
    std::string text = "[Watch]\r\n";
    size_t n = 0;
    for (const WatchAction &action : actions) {
        ++n;
        text += Key(n, "Enable=") + Flag(action.enabled) + "\r\n" + Key(n, "Type=") + action.formats + "\r\n" +
                Key(n, "AllType=") + Flag(action.formats.empty()) + "\r\n" + Key(n, "Function= 1\r\n") +
                Key(n, "Option=") + action.function + "\r\n";
        if (!action.checks.empty())
            text += Key(n, "PluginCheck=") + action.checks + "\r\n" + Key(n, "PluginCheckAnd=") +
                    Flag(action.allChecks) + "\r\n";
    }
    return text + Key(n + 1, "Function=-1\r\n");
}

}  // namespace ptrtest
