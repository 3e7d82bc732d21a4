// The book of 10,000 phrases the phrases' benchmarks hold, as the one file a user had.
#pragma once
#include <cstdint>
#include <utility>

#include "program_folder.h"

namespace ptrbench {

// 100 folders of 100 phrases of about a hundred characters, then two phrases to paste (one
// with the placeholders a user's phrases hold most, one of about the same length written
// out), as Plugins\tlxSnippet\Phrases.txt; the numbers of the two.
std::pair<int32_t, int32_t> WriteBook(const ProgramFolder &folder);

}  // namespace ptrbench
