// Resource ids of Vardolin, shared by the resource script and the program.
#pragma once

#define IDI_PROGRAM 1
#define IDM_ABOUTBOX 0x0010
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDS_DESCRIBE_ANALYSIS 200

// The layouts for narrow screens (the web page on a phone): the dialog's id plus 0x1000, where
// the framework looks for them.
#define IDD_ABOUTBOX_NARROW 0x1064
#define IDD_MAIN_NARROW 0x1066

#define IDC_REFERENCE 1000
#define IDC_VALUE 1001
#define IDC_TONE 1002
#define IDC_CENT 1003
#define IDC_ROLAND 1004
#define IDC_YAMAHA 1005
#define IDC_NOTE 1006
#define IDC_CENT_IN 1007
#define IDC_CALC_FREQ 1008
#define IDC_OCTAVE 1009

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
