// Resource ids of the framework tests' own resources.
#pragma once

#define IDD_EXCHANGE 1
#define IDD_NAMES 2
// The exchange dialog's narrow layout: its id plus the narrow layouts' offset.
#define IDD_EXCHANGE_NARROW 0x1001
#define IDS_GREETING 7
#define IDS_DESCRIBE_GO 20

#define IDC_FIRST 100
#define IDC_SECOND 101
#define IDC_THIRD 102
#define IDC_TEXT 103
#define IDC_TOGGLE 104
#define IDC_PUSH 105
#define IDC_LIST 106
#define IDC_FILLED_LIST 107
#define IDC_UPPER_LEVEL 110
#define IDC_LOWER_LEVEL 111
#define IDC_KIND 112
#define IDC_UNCAPTIONED 113

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
