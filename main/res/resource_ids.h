// Numbers shared by ptrmain.rc, the windows and their tests.
#pragma once

// Pictures.
#define IDI_PROGRAM 1          /* tray and window icon */
#define IDB_SPLASH_STRIP 101   /* 320 x 1 colour strip of the splash bars */
#define IDB_INFORMATION 102    /* picture of the information page */

// Menus of the settings window.
#define IDM_MAIN_BAR 200
#define IDM_TRAY_POPUP 201

// Menu commands.
#define IDC_FILE_QUIT 300          /* mnuFile_Quit(0), (1) = 301 */
#define IDC_FILE_QUIT_NOSAVE 301
#define IDC_VIEW_MODE0 310         /* mnuSetting_Select(0..5) = 310..315 */
#define IDC_VIEW_CLOSE 320
#define IDC_POPUP_SETTING 330
#define IDC_POPUP_WATCH 331
#define IDC_POPUP_QUIT 332

// Controls of the settings window.
#define IDC_MODE0 1000             /* cmdMode(0..5) = 1000..1005 */
#define IDC_CHECK0 1010            /* chkSwitch(0..1) = 1010..1011 */
#define IDC_LIST_BUTTON0 1020      /* cmdList(0..4) = 1020..1024 */
#define IDC_MODE_TITLE 1030        /* lblMode */
#define IDC_LIST_TITLE 1031        /* lblListTitle */
#define IDC_LIST 1032              /* lstView */
#define IDC_INFORMATION 1033       /* txtInformation */
#define IDC_PICTURE 1034           /* imgInformartion */
#define IDC_SAVE 1035              /* cmdSave */
#define IDC_CLOSE 1036             /* cmdClose */

// Controls of the splash window.
#define IDC_SPLASH_COPYRIGHT 1100
#define IDC_SPLASH_INFORMATION 1101

// Window classes, found by the tests from outside.
#define PTR_SETTINGS_CLASS "PortericaSettings"
#define PTR_SPLASH_CLASS "PortericaSplash"
