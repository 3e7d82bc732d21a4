// The six pages (modes) of the settings window: their texts and colours. No Windows
// header: the table is checked on Linux too.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace ptr {

inline constexpr int kModeCount = 6;
inline constexpr int kListButtonCount = 5;
inline constexpr int kCheckBoxCount = 2;

// Mode numbers, as stored in the setting Mode.
enum SettingsMode : int {
    kModeBasic = 0, kModeWatch = 1, kModeHotkey = 2, kModeMenu = 3, kModePlugin = 4, kModeInformation = 5,
};

// The page texts: 15 cells per mode, cell = column base + mode.
class ModeTextTable {
public:
    static constexpr int kCells = 90;
    enum Column : int {
        kCheckCaption0 = 0, kCheckCaption1 = 6, kCheckTip0 = 12, kCheckTip1 = 18, kListTitle = 24,
        kButtonCaption0 = 30, kButtonTip0 = 60,   // button k: base + 6k
    };

    // Puts every page's texts into the table; called once at start-up.
    void Fill();

    const std::string &Cell(int index) const { return cells_.at(index); }
    const std::string &CheckCaption(int box, int mode) const;
    const std::string &CheckTip(int box, int mode) const;
    const std::string &ListTitle(int mode) const { return Cell(kListTitle + mode); }
    // The caption as stored: a line break is written as a backslash and "n".
    const std::string &ButtonCaption(int button, int mode) const { return Cell(kButtonCaption0 + 6 * button + mode); }
    const std::string &ButtonTip(int button, int mode) const { return Cell(kButtonTip0 + 6 * button + mode); }

private:
    void Put(int column, int mode, const char *text) { cells_.at(column + mode) = text; }
    std::array<std::string, kCells> cells_;
};

// The program's table, filled by start-up.
ModeTextTable &ModeTexts();

// A stored caption as shown: every backslash-n becomes CR LF.
std::string ApplyLineBreaks(const std::string &stored);
// The caption of the mode button and its tool tip.
std::string ModeButtonCaption(int mode);
const char *ModeButtonTip(int mode);
// A caption on one line: every CR LF removed (the view menu's items).
std::string OneLineCaption(const std::string &caption);
// The page title: the mode button's caption on one line, cut before its last "(".
std::string ModeTitle(int mode);
// A mode number as a page to show: anything outside 0..5 is the basic page.
int ValidMode(int mode);

// Colours as COLORREF values (0x00BBGGRR): the strong one frames the selected mode
// button, the light one fills the page and tints the dialogs the page opens.
struct ModeColours {
    uint32_t strong;
    uint32_t light;
};
ModeColours ModeColour(int mode);

}  // namespace ptr
