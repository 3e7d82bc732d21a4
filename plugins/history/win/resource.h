// Dialog and control identifiers of the settings dialog.
#pragma once

#define IDD_SETTINGS 101

#define IDC_MAX_COUNT 1001
#define IDC_MAX_COUNT_SPIN 1002
#define IDC_MAX_SIZE 1003
#define IDC_MAX_SIZE_SPIN 1004
#define IDC_KEEP_AFTER_EXIT 1005
#define IDC_PASTE_CHOSEN 1006
