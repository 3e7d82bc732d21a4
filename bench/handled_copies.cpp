#include "handled_copies.h"

#include <shlobj.h>

#include "pump.h"

namespace ptrbench {

namespace {

constexpr const char *kTextPlugin = "tlxText.tlx";
constexpr const char *kProbePlugin = "benchprobe.tlx";
// The joined text grows with every copy by design: every so many copies the kept text
// is cleared, so that what the measurement sees is what joining leaves behind.
constexpr int kJoinsKept = 100;

std::string Function(const char *plugin, int funcno) { return std::string(plugin) + "/" + std::to_string(funcno) + "/1"; }

std::string WithNul(const std::string &text) { return text + '\0'; }

std::string HtmlBlock(const std::string &text) {
    const std::string fragment = "<p>" + text + "</p>";
    return WithNul("Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:0\r\nEndFragment:0\r\n" + fragment);
}

std::string DropFilesBlock(const std::string &name) {
    DROPFILES header = {};
    header.pFiles = sizeof header;
    return std::string(reinterpret_cast<const char *>(&header), sizeof header) + WithNul(name) + '\0';
}

}  // namespace

std::vector<WatchLine> WatchActionsFor(CopyKind kind) {
    switch (kind) {
    case CopyKind::TextOnly: return {PluginAction("1", Function(kTextPlugin, 1))};
    case CopyKind::Join:
        // The clearing first: the join that follows starts again from the text copied.
        return {PluginAction(kExtraFormatName, Function(kTextPlugin, 5)), PluginAction("1", Function(kTextPlugin, 4))};
    case CopyKind::HtmlSource: return {PluginAction("HTML Format", Function(kTextPlugin, 3))};
    case CopyKind::FileNames: return {PluginAction("15", Function(kTextPlugin, 2))};
    case CopyKind::CheckNo: return {PluginAction("1", Function(kProbePlugin, 1), Function(kProbePlugin, 5))};
    }
    return {};
}

int HandledCopies::Make(int count, DWORD ms) {
    int handled = 0;
    for (int i = 0; i < count; ++i)
        if (CopyOne() && WaitHandled(ms)) ++handled;
    return handled;
}

bool HandledCopies::CopyOne() {
    const std::string text = "copied text " + std::to_string(++made_);
    const std::string textBlock = WithNul(text);
    checks_ = board_.Board().checks;
    switch (kind_) {
    case CopyKind::TextOnly: return writer_.Copy(text, true) != 0;
    case CopyKind::Join: return writer_.Copy(text, made_ % kJoinsKept == 0) != 0;
    case CopyKind::HtmlSource:
        return writer_.CopyBlocks({{CF_TEXT, textBlock}, {RegisterClipboardFormatA("HTML Format"), HtmlBlock(text)}}) != 0;
    case CopyKind::FileNames: return writer_.CopyBlocks({{CF_HDROP, DropFilesBlock("C:\\copied\\" + text + ".txt")}}) != 0;
    case CopyKind::CheckNo: return writer_.Copy(text, false) != 0;
    }
    return false;
}

bool HandledCopies::WaitHandled(DWORD ms) {
    switch (kind_) {
    case CopyKind::TextOnly: return writer_.WaitForTextOnly(ms) != 0;
    case CopyKind::CheckNo:
        return PumpUntil([this] { return board_.Board().checks != checks_; }, ms, 1);
    default: return writer_.WaitForChange(ms);
    }
}

}  // namespace ptrbench
