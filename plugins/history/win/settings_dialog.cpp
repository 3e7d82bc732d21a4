#include "settings_dialog.h"

#include <commctrl.h>

#include <iterator>
#include <optional>

#include "resource.h"
#include "setting_form.h"

namespace tlxhistory {

namespace {

constexpr tlx::NumberField kCountField{IDC_MAX_COUNT, IDC_MAX_COUNT_SPIN, kMinCount, kMaxCount, "最大件数"};
constexpr tlx::NumberField kSizeField{IDC_MAX_SIZE, IDC_MAX_SIZE_SPIN, kMinSizeKB, kMaxSizeKB,
                                      "1件の最大サイズ(KB)"};

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
        ShowQueueSettings(dialog, settings.queue);
    }

    bool Accept(HWND dialog) override {
        const std::optional<int> count = tlx::ReadNumber(dialog, kCountField);
        if (!count) return false;
        const std::optional<int> size = tlx::ReadNumber(dialog, kSizeField);
        if (!size) return false;
        HistorySettings settings;
        settings.maxCount = *count;
        settings.maxSizeKB = *size;
        settings.keepAfterExit = tlx::IsChecked(dialog, IDC_KEEP_AFTER_EXIT);
        settings.pasteChosen = tlx::IsChecked(dialog, IDC_PASTE_CHOSEN);
        settings.skippedPrograms = tlx::DialogItemText(dialog, IDC_SKIPPED_PROGRAMS);
        settings.queue = ReadQueueSettings(dialog);
        keeper_.ApplySettings(settings, store_);
        return true;
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
