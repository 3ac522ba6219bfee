// Resource ids of the editing dialogs, shared by Dialogs.rc and the dialog code.
#pragma once

#define IDD_EVENT_PROPERTIES 1000
#define IDD_MESSAGE_PARAMETERS 1001
#define IDD_ALERT_PARAMETERS 1002
#define IDD_APP_START_PARAMETERS 1003
#define IDD_COPY_PARAMETERS 1004
#define IDD_RENAME_PARAMETERS 1005
#define IDD_DELETE_PARAMETERS 1006
#define IDD_SCREEN_PARAMETERS 1007

// Every parameter dialog names its parts alike, so one dialog procedure serves them all.
#define IDC_PICTURE 1100
#define IDC_TITLE 1101
#define IDC_INSTRUCTION 1102
#define IDC_OPERAND1 1103
#define IDC_OPERAND2 1104
#define IDC_BROWSE1 1105
#define IDC_BROWSE2 1106

#define IDC_HEADING 1200
#define IDC_DATE_LABEL 1201
#define IDC_DATE 1202
#define IDC_TIME 1203
#define IDC_COMMAND 1204
#define IDC_PARAMETERS 1205
#define IDC_QUERY_YES 1206
#define IDC_QUERY_NO 1207
