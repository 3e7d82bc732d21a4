#include "clipboard_watch.h"

#include <optional>
#include <vector>

#include "app_state.h"
#include "change_formats.h"
#include "current_copy.h"
#include "execute_function.h"
#include "text_util.h"
#include "vbIniFile.h"
#include "watch_actions.h"

namespace ptr {

namespace {

class SystemFormats : public ClipboardFormats {
public:
    int32_t Register(const std::string &name) override {
        return name.empty() ? 0 : static_cast<int32_t>(RegisterClipboardFormatA(name.c_str()));
    }
    std::string RegisteredName(int32_t id) const override {
        char name[1024] = {};
        const int n = GetClipboardFormatNameA(static_cast<UINT>(id), name, sizeof name);
        return n > 0 ? TrimAtNull(name, sizeof name) : "";
    }
    bool IsAvailable(int32_t id) const override { return IsClipboardFormatAvailable(static_cast<UINT>(id)) != 0; }
};

}  // namespace

ClipboardFormats &SystemClipboardFormats() {
    static SystemFormats formats;
    return formats;
}

void LoadClipboardTypes() {
    AppState &app = App();
    app.ClipboardTypes.Load(vbIniFile(app.AppPath + "CF_Type.ini"), SystemClipboardFormats());
}

void LoadWatchActions() {
    AppState &app = App();
    const ProgressReport progress = [](const std::string &text, int step) { ShowProgress(text, false, MB_OK, step); };
    app.WatchActions =
        LoadWatchActions(vbIniFile(app.SettingFile()), app.ClipboardTypes, SystemClipboardFormats(), progress);
}

void SaveWatchActions(IniStore &ini) { SaveWatchActions(App().WatchActions, ini); }

void RunWatchActions() {
    AppState &app = App();
    if (!app.Settings.ClipboardWatch || IsEmptyWatchList(app.WatchActions)) return;
    // The one look at this copy; the plug-ins' checks and actions are handed the same.
    const std::shared_ptr<const tlx::CopyLook> copy = tlx::CurrentCopy();
    // A copy marked private (a password) is left as it is, as if nothing was copied. So is
    // what the program put there itself for a paste, or gave back after one (an item of
    // 連続貼り付け among it, whose text asked for would be its paste): no copy of the user's.
    if (app.Settings.IgnorePrivate && copy->isPrivate) return;
    if (copy->formats.Has(tlx::PasteMarkFormat()) || copy->formats.Has(tlx::QueueItemFormat())) return;
    const ChangeFormats formats(SystemClipboardFormats(), copy->formats);
    // Held: a function that runs may open the settings window, where the list can change.
    const std::shared_ptr<const WatchActionList> actions = app.WatchActions.Hold();
    EvaluateWatchActions(*actions, formats, app.Plugins, app.ActivateWnd, [](const WatchAction &action) {
        ExecuteFunction(action.Function, action.Option, TLX_CALL_WATCH);
    });
}

}  // namespace ptr
