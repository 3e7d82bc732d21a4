// The loaded plug-in libraries, in the order they were loaded.
#pragma once

namespace kx {

// Library unload: every plug-in still loaded is quit and freed, in table order.
void PluginTableShutdown();

}  // namespace kx
