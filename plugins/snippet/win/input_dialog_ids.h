// The dialog that asks for the {入力:…} fields of a phrase.
#pragma once
#define IDD_SNIPPET_INPUT 300
#define IDC_SNIPPET_INPUT_FIRST 310   // the labels and fields are made one pair per field from here
