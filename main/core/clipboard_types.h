// Clipboard formats as the program names them: the list read from CF_Type.ini and the
// comma-separated format lists of watch actions.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ini_store.h"

namespace ptr {

struct ClipboardType {
    std::string Name;    // display name
    std::string Value;   // as written in CF_Type.ini and in watch entries: a number or a registered name
    int32_t ID = 0;      // the format number used with the system
};

// What the list needs of the system's clipboard: format registration and names, and
// whether a format is on the clipboard now (asked without opening the clipboard).
class ClipboardFormats {
public:
    virtual ~ClipboardFormats() = default;
    // Registers the name if it is new; 0 when the system refuses it.
    virtual int32_t Register(const std::string &name) = 0;
    // The registered name of a format, "" for predefined formats and unknown numbers.
    virtual std::string RegisteredName(int32_t id) const = 0;
    virtual bool IsAvailable(int32_t id) const = 0;
};

inline constexpr const char *kClipboardTypeSection = "CF_Type";

// The formats of CF_Type.ini in file order. Always holds at least one element: a file
// without entries gives one empty element, and the list then counts as empty.
class ClipboardTypeList {
public:
    ClipboardTypeList() : types_(1) {}

    void Load(const IniStore &ini, ClipboardFormats &formats);
    bool IsEmpty() const { return types_.front().Value.empty(); }
    const std::vector<ClipboardType> &Items() const { return types_; }

    // The ID of the first element whose Value equals the text (case-insensitively);
    // otherwise the text registered as a format name.
    int32_t GetClipboardTypeID(const std::string &text, ClipboardFormats &formats) const;
    // The Name of the first element with that ID; else the system's name for it; else
    // the number with a leading blank (" 49161").
    std::string GetClipboardTypeName(int32_t id, const ClipboardFormats &formats) const;
    // "1,HTML Format" -> one ClipboardType per part; an empty text gives one empty element.
    std::vector<ClipboardType> ParseTypeList(const std::string &text, ClipboardFormats &formats) const;

private:
    std::vector<ClipboardType> types_;
};

// The Value texts joined by ","; a list whose first Value is empty gives "".
std::string TypeListToText(const std::vector<ClipboardType> &types);

}  // namespace ptr
