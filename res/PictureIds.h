// Resource ids of the program's pictures, shared by Pictures.rc and the windows.
#pragma once

// Icon groups in this order: the shell names them by position ("Zorvat.exe,1" is the list file).
#define IDI_ZORVAT 1
#define IDI_LIST_FILE 2

// The kinds of events, consecutive from the first in the order of KindIcon
// (events/TaskKinds.h): image i of the kind image list is IDI_KIND_FIRST + i.
#define IDI_KIND_FIRST 200
#define IDI_KIND_COPY 200
#define IDI_KIND_DELETE 201
#define IDI_KIND_SHUTDOWN 202
#define IDI_KIND_DOS_MODE 203
#define IDI_KIND_LOG_OFF 204
#define IDI_KIND_APP_START 205
#define IDI_KIND_FILE_ROUTINES 206
#define IDI_KIND_CONTROL_PANEL 207
#define IDI_KIND_REBOOT 208
#define IDI_KIND_MESSAGE 209
#define IDI_KIND_NEW_EVENT 210
#define IDI_KIND_RENAME 211
#define IDI_KIND_ALERT 212
#define IDI_KIND_COUNT 13

// Toolbar and menu pictures (18 px at 96 dpi), consecutive in the toolbar's order: new, open,
// save, properties, delete (also exit), options. Hot pictures are coloured, cold ones grey.
#define IDI_TOOL_COUNT 6
#define IDI_TOOL_HOT_FIRST 300
#define IDI_TOOL_HOT_NEW 300
#define IDI_TOOL_HOT_OPEN 301
#define IDI_TOOL_HOT_SAVE 302
#define IDI_TOOL_HOT_PROPERTIES 303
#define IDI_TOOL_HOT_DELETE 304
#define IDI_TOOL_HOT_OPTIONS 305
#define IDI_TOOL_COLD_FIRST 320
#define IDI_TOOL_COLD_NEW 320
#define IDI_TOOL_COLD_OPEN 321
#define IDI_TOOL_COLD_SAVE 322
#define IDI_TOOL_COLD_PROPERTIES 323
#define IDI_TOOL_COLD_DELETE 324
#define IDI_TOOL_COLD_OPTIONS 325

// Status bar pictures, consecutive: program, calendar (beside the clock), message.
#define IDI_STATUS_COUNT 3
#define IDI_STATUS_FIRST 340
#define IDI_STATUS_PROGRAM 340
#define IDI_STATUS_CALENDAR 341
#define IDI_STATUS_MESSAGE 342

// Bitmaps at 96 dpi: the logo panel's background (stretched) and the side panel's pictures.
#define IDB_LOGO 400
#define IDB_SIDE_CALENDAR 401
#define IDB_SIDE_CLOCK 402

// The splash and about windows' pictures, 24-bit bitmaps at 96 dpi: 191 x 210 and 318 x 89.
#define IDB_PRODUCT_SIDE 410
#define IDB_PRODUCT_BANNER 411
