// An entry offered for a paste as the history window's choice asks: with every form it
// was recorded with, or as its text alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "clipboard_entry.h"

namespace {

using tlxhistory::EntryKind;

// The content's forms in the order offered, the kept forms by name, the Unicode text
// as "text".
std::vector<std::string> FormsInOrder(const tlx::OfferedContent &content) {
    std::vector<std::string> order;
    for (const auto &[format, bytes] : content.blocks) {
        char name[64] = {};
        if (format == CF_UNICODETEXT) order.push_back("text");
        else if (GetClipboardFormatNameA(format, name, sizeof name)) order.push_back(name);
    }
    return order;
}

const std::string *Block(const tlx::OfferedContent &content, UINT format) {
    for (const auto &[held, bytes] : content.blocks)
        if (held == format) return &bytes;
    return nullptr;
}

TEST(HistoryClipboard, AnEntryIsOfferedInTheFormsAskedFor) {
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
        const tlx::OfferedContent content = tlxhistory::EntryContent(c.entry);
        EXPECT_EQ(c.order, FormsInOrder(content));
        EXPECT_EQ(tlx::PasteMark::Kind::kGivenBack, content.kind) << "a copy of the user's, used again";
        ASSERT_NE(nullptr, Block(content, CF_UNICODETEXT));
        EXPECT_EQ(tlxhistory::BytesFromUtf16(u"太字 bold") + std::string(2, '\0'), *Block(content, CF_UNICODETEXT));
        for (const auto &form : c.entry.forms) {
            const std::string *block = Block(content, RegisterClipboardFormatA(form.name.c_str()));
            ASSERT_NE(nullptr, block);
            EXPECT_EQ(form.data + '\0', *block) << "as recorded, with a terminator";
        }
    }
}

}  // namespace
