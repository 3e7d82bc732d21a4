#include "plugin_host.h"

#include <cmath>
#include <memory>
#include <optional>

#include "app_state.h"
#include "basCommonFunc.h"
#include "current_copy.h"

namespace ptr {

namespace {

// The look the program's watch took of the copy now on the clipboard. Nothing is
// looked at anew here: a plug-in may ask with the clipboard open.
const TlxCopyLook *WINAPI LookAtCopy() {
    static std::shared_ptr<const tlx::CopyLook> shown;
    static std::optional<tlx::CopyLookRecord> record;
    std::shared_ptr<const tlx::CopyLook> look = tlx::LookedAtCopy();
    if (!look) return nullptr;
    // The record points into the look: both are kept until another look is asked for.
    if (look != shown) {
        record.emplace(*look);
        shown = std::move(look);
    }
    return &record->Record();
}

// A plug-in whose setting names changed: the settings window and the function selection
// show them from the records read again now.
void WINAPI FunctionsChanged(HINSTANCE plugin) {
    if (vbKXPlugin *loaded = App().Plugins.FindById(reinterpret_cast<intptr_t>(plugin))) loaded->ReloadFunctions();
}

int32_t WINAPI ShowNotice(const char *title, const char *text, int32_t warning) {
    ShowBalloon(title ? title : "", text ? text : "", warning != 0);
    return 1;
}

}  // namespace

const TlxHost &PluginHost() {
    // Help mode is set before the plug-ins load and kept for the run.
    static const TlxHost host{sizeof(TlxHost), LookAtCopy,
                              static_cast<uint32_t>(std::lround(App().HelpModeScale * 100)), FunctionsChanged,
                              ShowNotice};
    return host;
}

}  // namespace ptr
