// Resource ids of the options, list information and about dialogs.
#pragma once

#define IDD_OPTIONS 1500
#define IDD_LIST_INFO 1501
#define IDD_ABOUT 1502
#define IDD_MISSED_EVENTS 1503

// Options: the tab control, then each page's controls in a block of its own (page p: 2000 + 100 p
// to 2099 + 100 p), so that a page is shown by its block. Each option's row in the options table
// (settings/OptionsTable.cpp) names its control; a number's spin button has the next id, and a
// choice's radio buttons have ids in a row.
#define IDC_OPTIONS_TABS 1510
#define IDC_OPTIONS_PAGE_FIRST 2000
#define IDC_OPTIONS_PAGE_SIZE 100

// Group boxes and their pictures: the box at n, its picture at n + 1.
#define IDC_DATA_GROUP 2000
#define IDC_WEEKDAY 2004
#define IDC_MONTH_DAY 2006
#define IDC_REFRESH_GROUP 2007
#define IDC_MAIN_REFRESH 2011
#define IDC_MAIN_REFRESH_SPIN 2012

#define IDC_START_FILE_GROUP 2100
#define IDC_NO_DEFAULT_LIST 2103
#define IDC_LAST_LIST 2104
#define IDC_DEFAULT_LIST 2105
#define IDC_DEFAULT_FILE 2106
#define IDC_DEFAULT_FILE_PICK 2107
#define IDC_AUTOSAVE_GROUP 2108
#define IDC_AUTOSAVE 2111

#define IDC_VISUAL_GROUP 2200
#define IDC_NO_VISUAL_ALERT 2203
#define IDC_DIALOG_ALERT 2204
#define IDC_BLINK_ALERT 2205
#define IDC_SOUND_GROUP 2206
#define IDC_ALERT_REPEAT 2210
#define IDC_ALERT_REPEAT_SPIN 2211

// Row r (0..2) of the "Switch to" page: picture, name, file and picker at 2311 + 10 r ...
#define IDC_USER_GROUP 2300
#define IDC_USER_ROW_FIRST 2310
#define IDC_USER_ROW_STEP 10
#define IDC_USER_ROW_PICTURE 1
#define IDC_USER_ROW_NAME 3
#define IDC_USER_ROW_FILE 5
#define IDC_USER_ROW_PICK 6

#define IDC_PRESET_START_GROUP 2400
#define IDC_AUTOSTART 2403
#define IDC_MINIMIZE 2404
#define IDC_ACTIVE 2405
#define IDC_NEW_EVENT_GROUP 2406
#define IDC_NEW_EVENT_ACTIVE 2409
#define IDC_NEW_EVENT_QUERY 2410

#define IDC_CATCH_UP_GROUP 2500
#define IDC_CATCH_UP 2503
#define IDC_CATCH_UP_DAYS 2505
#define IDC_CATCH_UP_DAYS_SPIN 2506
#define IDC_WAKE_FOR_EVENTS 2508

// Missed events.
#define IDC_MISSED_LIST 1530
#define IDC_MISSED_RUN 1531

// List information.
#define IDC_INFO_ICON 1520
#define IDC_INFO_FILE 1521
#define IDC_INFO_TYPE 1522
#define IDC_INFO_FOLDER 1523
#define IDC_INFO_SIZE 1524
#define IDC_INFO_DATE 1525
#define IDC_INFO_COUNT_FIRST 1526  // single, daily, weekly, monthly: 1526 .. 1529

// About.
#define IDC_ABOUT_NOTICE 1543
