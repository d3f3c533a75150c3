// Resource ids shared by the resource script and the code.
#pragma once

#define IDD_BOOTSTRAP 102
#define IDI_SETUP 128
#define IDB_SIDEBAR 129

#define IDC_PROGRESS 1002
#define IDC_MAIN_TEXT 1003
#define IDC_TITLE 1008
#define IDC_DETAIL_TEXT 1009
#define IDC_NOTE_TEXT 1010
#define IDC_ACCEPT 1012
#define IDC_DECLINE 1013
#define IDC_LICENCE 1014
#define IDC_LICENCE_PROMPT 1015
