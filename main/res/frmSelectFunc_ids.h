// The function selection dialog (frmSelectFunc).
#pragma once
#include <windows.h>

#define IDD_SELFUNC 400
#define IDM_SELFUNC_POPUP 400           /* mnuPopup */

#define IDC_SELFUNC_OK IDOK             /* cmdOC(0) */
#define IDC_SELFUNC_CANCEL IDCANCEL     /* cmdOC(1) */
#define IDC_SELFUNC_FRAME 4000          /* fraFunc */
#define IDC_SELFUNC_LABEL0 4001         /* lblInfo(0..3) = 4001..4004 */
#define IDC_SELFUNC_CATEGORY 4010       /* cmbFuncCategory */
#define IDC_SELFUNC_VALUE0 4011         /* cmbFuncValue(0..2) = 4011..4013 */
#define IDC_SELFUNC_PATH 4014           /* txtFuncValue */
#define IDC_SELFUNC_BROWSE 4015         /* cmdFuncValue */
#define IDC_SELFUNC_SETTING 4016        /* cmdSetting */
#define IDC_SELFUNC_INFO 4017           /* txtInfo */
#define IDC_SELFUNC_POPUP_SELECT0 4020  /* mnuPopup_Select(0..1) = 4020..4021 */
