#include "sort_strings.h"

#include <utility>

#include "text_util.h"

namespace ptr {

// Quicksort with the middle element as pivot. Names equal to the pivot are gathered in
// the middle, so a folder of names differing only in case stays fast, and recursion
// goes into the smaller side only, so no order of names can exhaust the stack.
void SortStrings(std::vector<std::string> &names, int low, int high) {
    while (low < high) {
        const std::string pivot = names[low + (high - low) / 2];
        int lt = low, i = low, gt = high;
        while (i <= gt) {
            const int c = CompareNoCase(names[i], pivot);
            if (c < 0)
                std::swap(names[lt++], names[i++]);
            else if (c > 0)
                std::swap(names[i], names[gt--]);
            else
                ++i;
        }
        if (lt - low < high - gt) {
            SortStrings(names, low, lt - 1);
            low = gt + 1;
        } else {
            SortStrings(names, gt + 1, high);
            high = lt - 1;
        }
    }
}

}  // namespace ptr
