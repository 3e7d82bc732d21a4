// GoogleTest main for the Wine tests. "--child=NAME" runs a registered child mode instead.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include "wine_support.h"

namespace ptrtest {
static std::map<std::string, ChildMain> &Children() {
    static std::map<std::string, ChildMain> children;
    return children;
}
ChildRegistration::ChildRegistration(const char *name, ChildMain fn) { Children()[name] = fn; }
}  // namespace ptrtest

int main(int argc, char **argv) {
    // The program registers the common controls before its first window; so does every
    // test program, whose windows may be the program's.
    InitCommonControls();
    const std::string prefix = "--child=";
    if (argc > 1 && std::string(argv[1]).rfind(prefix, 0) == 0) {
        const std::string name = std::string(argv[1]).substr(prefix.size());
        auto it = ptrtest::Children().find(name);
        if (it == ptrtest::Children().end()) return 99;
        return it->second(std::vector<std::string>(argv + 2, argv + argc));
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
