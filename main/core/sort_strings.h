#pragma once
#include <string>
#include <vector>

namespace ptr {
// Sorts names[low..high] ascending, comparing case-insensitively (CompareNoCase).
void SortStrings(std::vector<std::string> &names, int low, int high);
}
