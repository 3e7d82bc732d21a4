#include "drop_files.h"

#include <cstdint>

namespace tlxtext {

namespace {
constexpr size_t kHeaderSize = 20;
constexpr size_t kWideFlagOffset = 16;

uint32_t ReadU32(const unsigned char *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool IsNulUnit(const unsigned char *p, size_t unit) { return p[0] == 0 && (unit == 1 || p[1] == 0); }

template <typename Char>
std::basic_string<Char> Join(const std::vector<std::basic_string<Char>> &names,
                             std::basic_string_view<Char> separator) {
    size_t total = 0;
    for (const auto &name : names) total += name.size() + separator.size();
    std::basic_string<Char> text;
    text.reserve(total);
    for (size_t i = 0; i < names.size(); ++i) {
        if (i) text.append(separator);
        text.append(names[i]);
    }
    return text;
}
}  // namespace

DropFilesLayout InspectDropFiles(const unsigned char *data, size_t size) {
    DropFilesLayout layout;
    if (!data || size < kHeaderSize) return layout;
    const size_t names = ReadU32(data);
    if (names < kHeaderSize || names >= size) return layout;
    layout.wide = ReadU32(data + kWideFlagOffset) != 0;
    const size_t unit = layout.wide ? 2 : 1;

    size_t length = 0;  // units in the name being walked
    for (size_t pos = names; pos + unit <= size; pos += unit) {
        if (!IsNulUnit(data + pos, unit)) {
            ++length;
            continue;
        }
        if (length == 0) {
            layout.valid = true;
            return layout;
        }
        ++layout.count;
        length = 0;
    }
    layout.count = 0;  // the list runs off the end of the block
    return layout;
}

std::string JoinFileNames(const std::vector<std::string> &names, std::string_view separator) {
    return Join(names, separator);
}

std::u16string JoinFileNames(const std::vector<std::u16string> &names, std::u16string_view separator) {
    return Join(names, separator);
}

}  // namespace tlxtext
