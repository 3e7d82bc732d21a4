// The rules for the file name of a new menu, asked for by the menu page's "新規".
// No Windows header.
#pragma once
#include <string>

namespace ptr {

// The name as a menu file: ".mnu" appended unless it ends so in any letter case.
std::string MenuFileNameFor(const std::string &answer);

// Why a menu file name cannot be used; an empty text means it can.
struct MenuNameProblem {
    std::string text;
    std::string title;
    bool None() const { return text.empty(); }
};
// A file of that name in the menu folder comes first, then characters that no file
// name may hold.
MenuNameProblem CheckMenuFileName(const std::string &fileName, bool fileExists);
// The problem and the question whether to try another name.
std::string RetryQuestion(const MenuNameProblem &problem);

}  // namespace ptr
