#include "menu_names.h"

#include <string_view>

#include "sjis_text.h"
#include "text_util.h"

namespace ptr {

std::string MenuFileNameFor(const std::string &answer) {
    return EndsWithNoCase(answer, ".mnu") ? answer : answer + ".mnu";
}

MenuNameProblem CheckMenuFileName(const std::string &fileName, bool fileExists) {
    if (fileExists) return {"同じファイル名のメニューが存在しています。", "ファイル名重複"};
    // Walked by characters: "\" and "|" are also the second byte of many Japanese
    // characters ("ソ", "表"), which are allowed.
    for (const char c : std::string_view("|><\"?*;,/\\:"))
        if (sjis::FindSjisChar(fileName, std::string_view(&c, 1)) != std::string_view::npos)
            return {"以下の文字は、ファイル名に使えません。\r\n\\ / : , ; * ? \" < > |", "ファイル名不正"};
    return {};
}

std::string RetryQuestion(const MenuNameProblem &problem) {
    return problem.text + "\r\n他のファイル名を指定する時は[はい]を\r\n作成を中断する場合は[いいえ]をクリックして下さい。";
}

}  // namespace ptr
