// Dialog and control identifiers of the settings dialog and the history window.
#pragma once

#define IDD_SETTINGS 101

#define IDC_MAX_COUNT 1001
#define IDC_MAX_COUNT_SPIN 1002
#define IDC_MAX_SIZE 1003
#define IDC_MAX_SIZE_SPIN 1004
#define IDC_KEEP_AFTER_EXIT 1005
#define IDC_PASTE_CHOSEN 1006
#define IDC_SKIPPED_PROGRAMS 1007

#define IDC_HISTORY_SEARCH 2001
#define IDC_HISTORY_LIST 2002
#define IDC_HISTORY_PREVIEW 2003
#define IDC_HISTORY_KEYS 2004
