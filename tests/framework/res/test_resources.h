// Resource ids of the framework tests' own resources.
#pragma once

#define IDD_EXCHANGE 1
#define IDS_GREETING 7

#define IDC_FIRST 100
#define IDC_SECOND 101
#define IDC_THIRD 102
#define IDC_TEXT 103
#define IDC_TOGGLE 104
#define IDC_PUSH 105
#define IDC_LIST 106
#define IDC_FILLED_LIST 107

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
