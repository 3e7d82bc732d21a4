// Dialog and control identifiers of the settings dialogs.
#pragma once

#define IDD_DATASAVE 101
#define IDD_SEPARATOR 104

#define IDC_DATASAVE 1016

#define IDC_FUNCNO 1007          // hidden: which function's separator the dialog edits
#define IDC_JOIN_CAPTION 1027
#define IDC_JOIN_FRONT 1001
#define IDC_JOIN_BACK 1002
#define IDC_SEP_FIRST 1018       // 1018..1025: one radio button per separator choice
#define IDC_SEP_OTHER 1025
#define IDC_SEP_TEXT 1026
