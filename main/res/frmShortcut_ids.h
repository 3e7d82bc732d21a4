// The shortcut dialog (frmShortcut).
#pragma once
#include <windows.h>

#define IDD_SHORTCUT 430

#define IDC_SHORTCUT_OK IDOK            /* cmdOC(0) */
#define IDC_SHORTCUT_CANCEL IDCANCEL    /* cmdOC(1) */
#define IDC_SHORTCUT_FUNC_FRAME 4300    /* fraFuncSelect */
#define IDC_SHORTCUT_FUNC 4301          /* txtFuncOption */
#define IDC_SHORTCUT_FUNC_SELECT 4302   /* cmdFuncSelect */
#define IDC_SHORTCUT_LABEL 4303         /* lblText */
#define IDC_SHORTCUT_COMMAND_LINE 4304  /* txtCommandLine */
#define IDC_SHORTCUT_FILE_FRAME 4310    /* fraFileName */
#define IDC_SHORTCUT_FILE 4311          /* txtFileName */
#define IDC_SHORTCUT_FILE_SELECT 4312   /* cmdFileSelect */
