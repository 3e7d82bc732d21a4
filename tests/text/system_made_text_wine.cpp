// Which text form of a copy the copying program placed and which one the system would
// only make from it: the plug-ins read the placed ones and never ask for the made one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugin_clipboard.h"

namespace {

const UINT kOther = RegisterClipboardFormatA("Porterica Test Other");

void Place(const std::vector<UINT> &formats) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    for (const UINT format : formats) {
        const LCID locale = 0x411;
        const char bytes[8] = "a\0b\0\0\0";
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof bytes);
        std::memcpy(GlobalLock(block), format == CF_LOCALE ? static_cast<const void *>(&locale) : bytes,
                    format == CF_LOCALE ? sizeof locale : sizeof bytes);
        GlobalUnlock(block);
        SetClipboardData(format, block);
    }
    CloseClipboard();
}

struct Case {
    const char *copy;
    std::vector<UINT> placed;
    bool textMade, unicodeMade;
};

TEST(SystemMadeText, OnlyTheFormTheSystemWouldMakeIsTakenForMade) {
    const Case cases[] = {
        {"8-bit text and another format", {CF_TEXT, kOther}, false, true},
        {"Unicode text and another format", {CF_UNICODETEXT, kOther}, true, false},
        {"both forms", {CF_TEXT, CF_UNICODETEXT}, false, false},
        {"both forms, Unicode first", {CF_UNICODETEXT, CF_TEXT}, false, false},
        {"another format before both", {kOther, CF_UNICODETEXT, CF_TEXT}, false, false},
        {"the locale, then 8-bit text", {CF_LOCALE, CF_TEXT}, false, true},
        {"the locale, then both forms (as text only writes back)", {CF_LOCALE, CF_TEXT, CF_UNICODETEXT}, false, false},
    };
    for (const Case &c : cases) {
        Place(c.placed);
        tlx::ClipboardSession clipboard;
        ASSERT_TRUE(clipboard.IsOpen());
        const tlx::SystemMadeTexts made = tlx::SystemMadeTextForms();
        EXPECT_EQ(made.ansi, c.textMade) << c.copy;
        EXPECT_EQ(made.unicode, c.unicodeMade) << c.copy;
    }
}

TEST(SystemMadeText, TheFormsReadStayWhatWasPlaced) {
    Place({CF_TEXT, kOther});
    tlx::ClipboardSession clipboard;
    ASSERT_TRUE(clipboard.IsOpen());
    const std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms();
    ASSERT_TRUE(forms.has_value());
    EXPECT_EQ(forms->ansi, "a");
    EXPECT_EQ(forms->unicode, u"a") << "the made form is the 8-bit text widened";
    EXPECT_FALSE(forms->unicodeOwn);
    EXPECT_EQ(tlx::ClipboardHandle(CF_TEXT), tlx::ClipboardHandle(CF_TEXT)) << "asked of the system once";
}

}  // namespace
