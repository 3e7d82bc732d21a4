// The history a program folder's plug-in saved, as the tests of the history and of the
// phrases beside it read it.
#pragma once
#include <string>
#include <vector>

#include "e2e_support.h"

namespace historytest {

// The history's texts, newest first, once they are as expected or a while has passed.
std::vector<std::u16string> RecordedTexts(const e2e::ProgramFolder &program, const std::vector<std::u16string> &expected);

}  // namespace historytest
