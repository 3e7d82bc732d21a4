#include "sort_strings.h"

#include <utility>

#include "text_util.h"

namespace ptr {

// Quicksort with the middle element as pivot; recursion goes into the smaller side
// only, so a hostile order cannot exhaust the stack.
void SortStrings(std::vector<std::string> &names, int low, int high) {
    while (low < high) {
        std::swap(names[low], names[low + (high - low) / 2]);
        int last = low;
        for (int i = low + 1; i <= high; ++i)
            if (CompareNoCase(names[i], names[low]) < 0) std::swap(names[++last], names[i]);
        std::swap(names[low], names[last]);
        if (last - low < high - last) {
            SortStrings(names, low, last - 1);
            low = last + 1;
        } else {
            SortStrings(names, last + 1, high);
            high = last - 1;
        }
    }
}

}  // namespace ptr
