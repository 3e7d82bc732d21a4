// Numbers of the menu editor's dialog and controls; OK and cancel are IDOK and IDCANCEL.
#pragma once

#define IDD_MENUEDIT 440
#define IDC_MENUEDIT_LABEL0 4401      /* lblText(0) .. lblText(3): 4401 .. 4404 */
#define IDC_MENUEDIT_NAME 4405        /* txtMenuName */
#define IDC_MENUEDIT_COMMENT 4406     /* txtMenuComment */
#define IDC_MENUEDIT_LIST 4407        /* lstMenus */
#define IDC_MENUEDIT_CAPTION 4408     /* txtMenuCaption */
#define IDC_MENUEDIT_FUNCTION 4409    /* txtMenuFunction */
#define IDC_MENUEDIT_SELECTFUNC 4410  /* cmdSelectFunc */
#define IDC_MENUEDIT_SEPARATOR 4411   /* chkSeparator */
#define IDC_MENUEDIT_ARROW0 4412      /* cmdArrow(0) .. cmdArrow(3): 4412 .. 4415 */
#define IDC_MENUEDIT_INSERT 4416      /* cmdInsert */
#define IDC_MENUEDIT_DELETE 4417      /* cmdDelete */
#define IDC_MENUEDIT_NEXT 4418        /* cmdNext */
