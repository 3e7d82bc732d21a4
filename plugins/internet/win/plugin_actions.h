// The plug-in's functions over the clipboard and the shell.
#pragma once
#include "search_settings.h"

namespace tlxinet {

void OpenCopiedUrl();
void MailToCopiedAddress();
void SearchCopiedKeyword(const SearchSetting &setting);
bool ClipboardHoldsUrl();
bool ClipboardHoldsMailAddress();

}  // namespace tlxinet
