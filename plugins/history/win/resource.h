// Dialog and control identifiers of the settings dialog.
#pragma once

#define IDD_SETTINGS 101

#define IDC_MAX_COUNT 1001
#define IDC_MAX_COUNT_SPIN 1002
#define IDC_MAX_SIZE 1003
#define IDC_MAX_SIZE_SPIN 1004
#define IDC_KEEP_AFTER_EXIT 1005
#define IDC_PASTE_CHOSEN 1006
#define IDC_SKIPPED_PROGRAMS 1007

// 連続貼り付け
#define IDC_QUEUE_COPIED 1101
#define IDC_QUEUE_REVERSED 1102
#define IDC_QUEUE_LINES 1103
#define IDC_QUEUE_KEY_NONE 1104
#define IDC_QUEUE_KEY_TAB 1105
#define IDC_QUEUE_KEY_ENTER 1106
