#include "settings_dialog.h"

#include <commctrl.h>

#include <iterator>
#include <optional>

#include "resource.h"
#include "setting_form.h"
#include "synced_folder_scan.h"

namespace tlxhistory {

namespace {

constexpr tlx::NumberField kCountField{IDC_MAX_COUNT, IDC_MAX_COUNT_SPIN, kMinCount, kMaxCount, "最大件数"};
constexpr tlx::NumberField kSizeField{IDC_MAX_SIZE, IDC_MAX_SIZE_SPIN, kMinSizeKB, kMaxSizeKB,
                                      "1件の最大サイズ(KB)"};

constexpr tlx::NumberField kRetentionField{IDC_RETENTION_DAYS, IDC_RETENTION_SPIN, kMinRetentionDays,
                                          kMaxRetentionDays, "履歴の保存期間(日)"};

constexpr int kKeyChoices[] = {IDC_QUEUE_KEY_NONE, IDC_QUEUE_KEY_TAB, IDC_QUEUE_KEY_ENTER};   // by KeyAfterPaste

void ShowQueueSettings(HWND dialog, const QueueSettings &queue) {
    CheckRadioButton(dialog, IDC_QUEUE_COPIED, IDC_QUEUE_REVERSED,
                     queue.order == QueueOrder::kReversed ? IDC_QUEUE_REVERSED : IDC_QUEUE_COPIED);
    tlx::ShowChecked(dialog, IDC_QUEUE_LINES, queue.linePerItem);
    CheckRadioButton(dialog, IDC_QUEUE_KEY_NONE, IDC_QUEUE_KEY_ENTER,
                     kKeyChoices[static_cast<int>(queue.keyAfterPaste)]);
}

QueueSettings ReadQueueSettings(HWND dialog) {
    QueueSettings queue;
    queue.order = tlx::IsChecked(dialog, IDC_QUEUE_REVERSED) ? QueueOrder::kReversed : QueueOrder::kCopied;
    queue.linePerItem = tlx::IsChecked(dialog, IDC_QUEUE_LINES);
    for (size_t key = 0; key < std::size(kKeyChoices); ++key)
        if (tlx::IsChecked(dialog, kKeyChoices[key])) queue.keyAfterPaste = static_cast<KeyAfterPaste>(key);
    return queue;
}

// What the line under the history's folders says: the sync client that uploads the
// program's folder, or how the file is kept.
std::string PlaceNote() {
    const std::optional<std::u16string> client = SyncClientOfPluginFolder();
    if (!client) return "履歴は暗号化され、このユーザーだけが読めます。";
    const auto *wide = reinterpret_cast<const wchar_t *>(client->c_str());
    char name[128] = {};
    WideCharToMultiByte(932, 0, wide, -1, name, sizeof name - 1, nullptr, nullptr);
    return std::string("※ポルテリカのフォルダは ") + name + " で同期されています。";
}

// The history's folder can be chosen only while the history is kept.
void ShowPlaceChoice(HWND dialog) {
    const bool kept = tlx::IsChecked(dialog, IDC_KEEP_AFTER_EXIT);
    for (const int id : {IDC_PLACE_PROGRAM, IDC_PLACE_LOCAL}) EnableWindow(GetDlgItem(dialog, id), kept);
}

class SettingsDialog : public tlx::SettingForm {
public:
    SettingsDialog(HistoryKeeper &keeper, tlx::ProfileStore &store) : keeper_(keeper), store_(store) {}

private:
    void Fill(HWND dialog) override {
        const HistorySettings &settings = keeper_.Settings();
        tlx::ShowNumber(dialog, kCountField, settings.maxCount);
        tlx::ShowNumber(dialog, kSizeField, settings.maxSizeKB);
        tlx::ShowChecked(dialog, IDC_KEEP_AFTER_EXIT, settings.keepAfterExit);
        tlx::ShowChecked(dialog, IDC_PASTE_CHOSEN, settings.pasteChosen);
        tlx::ShowEditText(dialog, IDC_SKIPPED_PROGRAMS, settings.skippedPrograms, kProgramListMaxBytes);
        tlx::ShowNumber(dialog, kRetentionField, settings.retentionDays);
        tlx::ShowChecked(dialog, IDC_CLEAR_ON_LOCK, settings.clearOnLock);
        CheckRadioButton(dialog, IDC_PLACE_PROGRAM, IDC_PLACE_LOCAL,
                         settings.place == HistoryPlace::kLocalAppData ? IDC_PLACE_LOCAL : IDC_PLACE_PROGRAM);
        SetDlgItemTextA(dialog, IDC_PLACE_NOTE, PlaceNote().c_str());
        ShowPlaceChoice(dialog);
        ShowQueueSettings(dialog, settings.queue);
    }

    void Notify(HWND dialog, int id, int code) override {
        if (id == IDC_KEEP_AFTER_EXIT && code == BN_CLICKED) ShowPlaceChoice(dialog);
    }

    bool Accept(HWND dialog) override {
        const std::optional<int> count = tlx::ReadNumber(dialog, kCountField);
        if (!count) return false;
        const std::optional<int> size = tlx::ReadNumber(dialog, kSizeField);
        if (!size) return false;
        const std::optional<int> retention = tlx::ReadNumber(dialog, kRetentionField);
        if (!retention) return false;
        HistorySettings settings;
        settings.maxCount = *count;
        settings.maxSizeKB = *size;
        settings.keepAfterExit = tlx::IsChecked(dialog, IDC_KEEP_AFTER_EXIT);
        settings.pasteChosen = tlx::IsChecked(dialog, IDC_PASTE_CHOSEN);
        settings.skippedPrograms = tlx::DialogItemText(dialog, IDC_SKIPPED_PROGRAMS);
        settings.retentionDays = *retention;
        settings.clearOnLock = tlx::IsChecked(dialog, IDC_CLEAR_ON_LOCK);
        settings.place = tlx::IsChecked(dialog, IDC_PLACE_LOCAL) ? HistoryPlace::kLocalAppData : HistoryPlace::kBesideProgram;
        settings.queue = ReadQueueSettings(dialog);
        if (keeper_.ApplySettings(settings, store_)) return true;
        tlx::WarnRefused(dialog, "履歴を " + LocatePluginFiles(settings.place).folder + " に保存できませんでした。");
        return false;
    }

    HistoryKeeper &keeper_;
    tlx::ProfileStore &store_;
};

}  // namespace

void ShowSettingsDialog(HINSTANCE module, HWND owner, HistoryKeeper &keeper, tlx::ProfileStore &store) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    SettingsDialog(keeper, store).Run(module, IDD_SETTINGS, owner);
}

}  // namespace tlxhistory
