// Resource and control ids of the search-setting dialog.
#pragma once

#define IDD_SEARCH_SETTING 101
#define IDC_SETTING_NAME 1005
#define IDC_SETTING_INDEX 1006
#define IDC_HEADER_URL 1007
#define IDC_FOOTER_URL 1008
#define IDC_CHARSET 1016
#define IDC_URL_ENCODE 1017
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
