// How far a phrase (or the order of the phrases) has been changed on each PC: for every
// computer that changed it, how many times. A change made after seeing another has
// counts at least as high for every computer; two changes made apart, on two PCs
// between two syncs, each count something the other lacks, and both are kept.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tlxsnippet {

class Versions {
public:
    enum class Order { kSame, kBefore, kAfter, kApart };

    Order Compare(const Versions &other) const;
    // Everything both have seen.
    void Join(const Versions &other);
    // One more change by this computer.
    void Bump(const std::u16string &computer);
    bool Empty() const { return counts_.empty(); }

    // "PC-A:2,PC-B:1"; Parse reads it back and nothing else.
    std::u16string Text() const;
    static std::optional<Versions> Parse(std::u16string_view text);

    bool operator==(const Versions &) const = default;

private:
    int32_t &CountOf(const std::u16string &computer);   // made at 0 when missing

    std::vector<std::pair<std::u16string, int32_t>> counts_;   // by name
};

// A computer's name as the versions and file names hold it: upper case, and without the
// characters they separate with.
std::u16string ComputerId(std::u16string_view name);

// A name that stands for a text rather than a computer ("#" and 8 hex digits): the same
// text taken over on two PCs gets the same versions, and stays one phrase.
std::u16string ContentId(std::u16string_view content);

}  // namespace tlxsnippet
