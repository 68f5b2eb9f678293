// Resource identifiers shared by setup.rc and the program.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_SETUP 102
#define IDR_MAINFRAME 128
#define IDB_SIDE_PICTURE 213

#define IDC_INTRO 1000
#define IDC_DESTINATION 1001
#define IDC_REQUIRED 1002
#define IDC_AVAILABLE 1003
#define IDC_FOLDER 1004
#define IDC_DOWNLOAD 1005
#define IDC_SIDE_PICTURE 1006
#define IDC_ABOUT 1007
#define IDC_TITLES 1008

// System-menu commands keep their low four bits free for the platform.
#define IDM_ABOUTBOX 0x0010

// The same values as the platform's own.
#define IDOK 1
#define IDCANCEL 2
