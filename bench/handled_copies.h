// Copies by another program, one kind at a time, each waited for until the resident
// program (or a baseline viewer) has handled it: what a user's copies put the watch
// through over weeks, made in minutes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "clipboard_writer.h"
#include "settings_text.h"
#include "stamp_board.h"

namespace ptrbench {

enum class CopyKind {
    TextOnly,    // text and a second format; tlxText's "テキストのみ" drops the second
    Join,        // text; tlxText's "テキスト連結" joins it to the texts before it
    HtmlSource,  // text and an HTML block; tlxText's "HTMLタグ取得" makes its source the text
    FileNames,   // a file list; tlxText's "ファイル名取得" adds the names as text
    CheckNo,     // text; the probe's check answers no, so its action never runs
};

struct CopyKindInfo {
    CopyKind kind;
    const char *label;
};
inline constexpr CopyKindInfo kCopyKinds[] = {
    {CopyKind::TextOnly, "text only"},
    {CopyKind::Join, "joining"},
    {CopyKind::HtmlSource, "HTML source as text"},
    {CopyKind::FileNames, "file names"},
    {CopyKind::CheckNo, "check answering no"},
};

// The watch actions that handle copies of the kind (tlxText and the probe in Plugins\).
std::vector<WatchLine> WatchActionsFor(CopyKind kind);

class HandledCopies {
public:
    HandledCopies(CopyKind kind, BoardView &board) : kind_(kind), board_(board) {}
    // Makes `count` copies, each waited for up to ms; how many were handled in time.
    int Make(int count, DWORD ms = 5000);

private:
    bool CopyOne();
    bool WaitHandled(DWORD ms);

    CopyKind kind_;
    BoardView &board_;
    ClipboardWriter writer_;
    int made_ = 0;
    LONG checks_ = 0;   // the board's checks before the last copy
};

}  // namespace ptrbench
