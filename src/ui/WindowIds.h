// Resource and command ids shared by the program's resource script and its windows. Plain
// macros: the resource compiler reads this file too.
#pragma once

#define IDR_MAIN_MENU 100
#define IDR_TRAY_MENU 101
#define IDR_LIST_MENU 102
#define IDR_ACCELERATORS 103

// Document commands.
#define IDC_NEW_LIST 1001
#define IDC_OPEN_LIST 1002
#define IDC_SAVE_LIST 1003
#define IDC_SAVE_LIST_AS 1004
#define IDC_LIST_INFO 1005
#define IDC_TASK_LIST 1006
#define IDC_RECENT_1 1011
#define IDC_RECENT_2 1012
#define IDC_RECENT_3 1013
#define IDC_EXIT 1020

// Editing commands.
#define IDC_PROPERTIES 1030
#define IDC_DELETE 1031
#define IDC_DELETE_GROUP 1032
#define IDC_UNDELETE 1033
#define IDC_OPTIONS 1034

// "Switch to" and help.
#define IDC_SWITCH_EXPLORER 1040
#define IDC_SWITCH_USER_1 1041
#define IDC_SWITCH_USER_2 1042
#define IDC_SWITCH_USER_3 1043
#define IDC_HELP_CONTENTS 1050
#define IDC_HELP_CONTEXT 1051
#define IDC_ABOUT 1052
#define IDC_TRAY_HELP 1053

// Tray menu.
#define IDC_OPEN_FROM_TRAY 1060
#define IDC_ACTIVE_ITEM 1061

// Controls of the main window.
#define IDC_SHOW_GENERAL 1100
#define IDC_SHOW_DAILY 1101
#define IDC_SHOW_WEEKLY 1102
#define IDC_SHOW_MONTHLY 1103
#define IDC_ACTIVE_CHECK 1110
#define IDC_HIDE_NEW_EVENTS 1111
#define IDC_COMMAND_LINE 1112
#define IDC_TOOLBAR 1113
#define IDC_COOL_BAR 1114
#define IDC_STATUS_BAR 1115
#define IDC_NEW_EVENT_TREE 1116
#define IDC_ANIMATION 1117
#define IDC_SPLITTER 1118
#define IDC_GENERAL_LIST 1120
#define IDC_DAILY_LIST 1121
#define IDC_WEEKLY_LIST 1122
#define IDC_MONTHLY_LIST 1123
#define IDC_LIST_HEADING 1130
#define IDC_STRIP_HEADING 1131
#define IDC_DAY_LABEL 1132
#define IDC_TIME_LABEL 1133
#define IDC_SELECTION_TEXT 1134
