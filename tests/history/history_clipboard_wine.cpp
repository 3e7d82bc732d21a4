// An entry put back on the clipboard as the history window's choice asks: with every
// form it was recorded with, or as its text alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "clipboard_entry.h"
#include "wine_support.h"

namespace {

using tlxhistory::EntryKind;

// The clipboard's formats in the order they were put there, the kept forms by
// name, the Unicode text as "text", everything else left out.
std::vector<std::string> FormsInOrder() {
    std::vector<std::string> order;
    if (!OpenClipboard(nullptr)) return {"(not open)"};
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
        char name[64] = {};
        if (format == CF_UNICODETEXT) order.push_back("text");
        else if (GetClipboardFormatNameA(format, name, sizeof name) && std::string(name).find("Format") != std::string::npos)
            order.push_back(name);
    }
    CloseClipboard();
    return order;
}

std::u16string ClipboardUnicode() {
    const std::optional<std::string> block = ptrtest::GetClipboardBlock(CF_UNICODETEXT);
    if (!block) return u"(none)";
    const std::u16string text = tlxhistory::Utf16FromBytes(*block);
    return text.substr(0, text.find(u'\0'));
}

TEST(HistoryClipboard, AnEntryGoesBackInTheFormsAskedFor) {
    const tlxhistory::EntryForm html{"HTML Format", "Version:0.9\r\n<b>太字</b>"};
    const tlxhistory::EntryForm rtf{"Rich Text Format", "{\\rtf1 {\\b bold}}"};
    const auto text = [](std::vector<tlxhistory::EntryForm> forms) {
        return tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"太字 bold"), std::move(forms));
    };
    struct Case {
        const char *name;
        tlxhistory::HistoryEntry entry;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {"every form, the formatted ones first", text({html, rtf}),
         {"HTML Format", "Rich Text Format", "text"}},
        {"the text alone", tlxhistory::WithoutForms(text({html, rtf})), {"text"}},
        {"HTML alone recorded", text({html}), {"HTML Format", "text"}},
        {"recorded plain", text({}), {"text"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(tlxhistory::PutEntryOnClipboard(c.entry));
        EXPECT_EQ(c.order, FormsInOrder());
        EXPECT_EQ(u"太字 bold", ClipboardUnicode());
        for (const auto &form : c.entry.forms) {
            const std::optional<std::string> block = ptrtest::GetClipboardBlock(RegisterClipboardFormatA(form.name.c_str()));
            ASSERT_TRUE(block.has_value());
            EXPECT_EQ(form.data + '\0', block->substr(0, form.data.size() + 1)) << "as recorded, with a terminator";
        }
    }
}

}  // namespace
