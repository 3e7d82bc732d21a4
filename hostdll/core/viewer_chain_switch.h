// The test-only switch that makes the host DLL use the clipboard viewer chain even
// where the system has a clipboard format listener, so that the chain, still the only
// way on older systems, stays tested. Read once by Init from the process environment;
// "1" chooses the chain, anything else (or nothing) leaves the choice to the system.
#pragma once

namespace kx {

inline constexpr const char *kViewerChainTestSwitch = "PORTERICA_TEST_VIEWER_CHAIN";

}  // namespace kx
