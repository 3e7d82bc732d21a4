#include "clipboard.h"

namespace tlxtext {

void AddTextForms(ClipboardWriter &writer, const TextForms &forms) {
    writer.Add(CF_TEXT, GlobalBlock(forms.ansi.data(), forms.ansi.size(), 1));
    if (forms.unicodeOwn)
        writer.Add(CF_UNICODETEXT,
                   GlobalBlock(forms.unicode.data(), forms.unicode.size() * sizeof(char16_t), sizeof(char16_t)));
}

}  // namespace tlxtext
