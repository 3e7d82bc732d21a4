// The input box: one line of text asked for with a prompt.
#pragma once
#define IDD_INPUTBOX 450
#define IDC_INPUTBOX_PROMPT 4501
#define IDC_INPUTBOX_TEXT 4502
