// The hotkey editor (frmHotkey).
#pragma once
#include <windows.h>

#define IDD_HOTKEY 420

#define IDC_HOTKEY_OK IDOK              /* cmdOC(0) */
#define IDC_HOTKEY_CANCEL IDCANCEL      /* cmdOC(1) */
#define IDC_HOTKEY_FRAME 4200           /* fraHotkey */
#define IDC_HOTKEY_LABEL0 4201          /* lblText(0..1) = 4201..4202 */
#define IDC_HOTKEY_CATEGORY 4210        /* cmbHotkeyCategory */
#define IDC_HOTKEY_KEY 4211             /* cmbHotkeyKey */
#define IDC_HOTKEY_MOD0 4212            /* chkHotkeyMod(0..3) = 4212..4215 */
#define IDC_HOTKEY_CHECK 4216           /* cmdHotkeyCheck */
#define IDC_HOTKEY_FUNC_FRAME 4220      /* fraFuncSelect */
#define IDC_HOTKEY_FUNC 4221            /* txtFuncOption */
#define IDC_HOTKEY_FUNC_SELECT 4222     /* cmdFuncSelect */
