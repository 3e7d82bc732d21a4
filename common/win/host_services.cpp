#include "host_services.h"

#include "module_folder.h"

namespace tlx {

namespace {
const TlxHost *g_host = nullptr;
}  // namespace

void UseHost(const TlxHost *host) { g_host = host; }

const TlxHost *HostWith(size_t end) { return g_host && g_host->Size >= end ? g_host : nullptr; }

int HostWindowScalePercent() {
    const TlxHost *host = TLX_HOST_WITH(WindowScalePercent);
    return host && host->WindowScalePercent > 0 ? static_cast<int>(host->WindowScalePercent) : 100;
}

bool ShowHostNotice(const char *title, const char *text, bool warning) {
    const TlxHost *host = TLX_HOST_WITH(ShowNotice);
    return host && host->ShowNotice && host->ShowNotice(title, text, warning ? 1 : 0) != 0;
}

void TellHostFunctionsChanged() {
    const TlxHost *host = TLX_HOST_WITH(FunctionsChanged);
    if (host && host->FunctionsChanged) host->FunctionsChanged(OwnModule());
}

}  // namespace tlx
