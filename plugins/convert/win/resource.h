// Resource and control ids of the settings dialogs. The dialogs share the ids of
// the fields they have in common; each template holds the fields its setting has.
#pragma once

#define IDD_QUOTE_SETTING 101
#define IDD_REPLACE_SETTING 102
#define IDD_PATTERN_SETTING 103
#define IDD_PROGRAM_SETTING 104
#define IDC_SETTING_NAME 1001
#define IDC_SETTING_TEXT 1002
#define IDC_REPLACEMENT 1003
#define IDC_REGEX 1004
#define IDC_CASE_SENSITIVE 1005
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
