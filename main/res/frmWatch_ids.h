// The watch action editor (frmWatch).
#pragma once
#include <windows.h>

#define IDD_WATCH 410

#define IDC_WATCH_OK IDOK               /* cmdOC(0) */
#define IDC_WATCH_CANCEL IDCANCEL       /* cmdOC(1) */
#define IDC_WATCH_FRAME 4100            /* fraCondition */
#define IDC_WATCH_LABEL0 4101           /* lblText(0..2) = 4101..4103 */
#define IDC_WATCH_TYPES 4110            /* lstClipBoardType */
#define IDC_WATCH_ALL_DATA 4111         /* chkAllData */
#define IDC_WATCH_OTHER_TYPES 4112      /* txtOtherType */
#define IDC_WATCH_CHECKS 4113           /* lstPluginCheck */
#define IDC_WATCH_CHECK_BUTTON0 4114    /* cmdPluginCheck(0..2) = 4114..4116 */
#define IDC_WATCH_AND 4117              /* optAndOr(0) */
#define IDC_WATCH_OR 4118               /* optAndOr(1) */
#define IDC_WATCH_FUNC_FRAME 4120       /* fraFuncSelect */
#define IDC_WATCH_FUNC 4121             /* txtFuncOption */
#define IDC_WATCH_FUNC_SELECT 4122      /* cmdFuncSelect */
