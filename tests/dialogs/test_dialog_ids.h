// The editor-dialog protocol's test dialog.
#pragma once
#define IDD_TESTDIALOG 900
#define IDC_TESTDIALOG_FRAME 901
#define IDC_TESTDIALOG_LABEL 902
#define IDC_TESTDIALOG_CHECK 903
#define IDC_TESTDIALOG_TEXT 904
