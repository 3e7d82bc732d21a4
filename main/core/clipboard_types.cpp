#include "clipboard_types.h"

#include "text_util.h"

namespace ptr {

void ClipboardTypeList::Load(const IniStore &ini, ClipboardFormats &formats) {
    types_.assign(1, ClipboardType{});
    for (int n = 1;; ++n) {
        ClipboardType type;
        type.Name = ini.GetText(kClipboardTypeSection, NumberedKey(n, "Name"), "");
        if (type.Name.empty()) break;
        type.Value = ini.GetText(kClipboardTypeSection, NumberedKey(n, "Value"), "");
        type.ID = IsNumeric(type.Value) ? LeadingInteger(type.Value) : formats.Register(type.Value);
        if (n == 1)
            types_.front() = std::move(type);
        else
            types_.push_back(std::move(type));
    }
}

int32_t ClipboardTypeList::GetClipboardTypeID(const std::string &text, ClipboardFormats &formats) const {
    if (!IsEmpty())
        for (const ClipboardType &type : types_)
            if (EqualsNoCase(type.Value, text)) return type.ID;
    return formats.Register(text);
}

std::string ClipboardTypeList::GetClipboardTypeName(int32_t id, const ClipboardFormats &formats) const {
    for (const ClipboardType &type : types_)
        if (type.ID == id && !type.Value.empty()) return type.Name;
    std::string name = formats.RegisteredName(id);
    return name.empty() ? FormatIniNumber(id) : name;
}

std::vector<ClipboardType> ClipboardTypeList::ParseTypeList(const std::string &text, ClipboardFormats &formats) const {
    if (text.empty()) return {ClipboardType{}};
    std::vector<ClipboardType> list;
    for (std::string &part : SplitText(text, ",")) {
        ClipboardType type;
        type.ID = IsNumeric(part) ? LeadingInteger(part) : GetClipboardTypeID(part, formats);
        type.Name = GetClipboardTypeName(type.ID, formats);
        type.Value = std::move(part);
        list.push_back(std::move(type));
    }
    return list;
}

std::string TypeListToText(const std::vector<ClipboardType> &types) {
    if (types.empty() || types.front().Value.empty()) return "";
    std::vector<std::string> values;
    values.reserve(types.size());
    for (const ClipboardType &type : types) values.push_back(type.Value);
    return JoinText(values, ",");
}

}  // namespace ptr
