# The program's icons, under their ids of PictureIds.h; Pictures.rc includes the .rc made of them
# (cmake/IconResources.cmake says why they are not ICON statements). The program's icon first:
# its images up to 32 px are drawn at start.
include(${PROJECT_SOURCE_DIR}/cmake/IconResources.cmake)
zorvat_icon_resources(OUTPUT ${PROJECT_BINARY_DIR}/res/Icons.rc
                      FOLDER ${CMAKE_CURRENT_LIST_DIR}/pictures
                      ICONS
  IDI_ZORVAT zorvat.ico
  IDI_LIST_FILE list-file.ico

  IDI_KIND_COPY kind-00-copy.ico
  IDI_KIND_DELETE kind-01-delete.ico
  IDI_KIND_SHUTDOWN kind-02-shutdown.ico
  IDI_KIND_DOS_MODE kind-03-dos-mode.ico
  IDI_KIND_LOG_OFF kind-04-log-off.ico
  IDI_KIND_APP_START kind-05-app-start.ico
  IDI_KIND_FILE_ROUTINES kind-06-file-routines.ico
  IDI_KIND_CONTROL_PANEL kind-07-control-panel.ico
  IDI_KIND_REBOOT kind-08-reboot.ico
  IDI_KIND_MESSAGE kind-09-message.ico
  IDI_KIND_NEW_EVENT kind-10-new-event.ico
  IDI_KIND_RENAME kind-11-rename.ico
  IDI_KIND_ALERT kind-12-alert.ico

  IDI_TOOL_HOT_NEW tool-0-new-hot.ico
  IDI_TOOL_HOT_OPEN tool-1-open-hot.ico
  IDI_TOOL_HOT_SAVE tool-2-save-hot.ico
  IDI_TOOL_HOT_PROPERTIES tool-3-properties-hot.ico
  IDI_TOOL_HOT_DELETE tool-4-delete-hot.ico
  IDI_TOOL_HOT_OPTIONS tool-5-options-hot.ico
  IDI_TOOL_COLD_NEW tool-0-new-cold.ico
  IDI_TOOL_COLD_OPEN tool-1-open-cold.ico
  IDI_TOOL_COLD_SAVE tool-2-save-cold.ico
  IDI_TOOL_COLD_PROPERTIES tool-3-properties-cold.ico
  IDI_TOOL_COLD_DELETE tool-4-delete-cold.ico
  IDI_TOOL_COLD_OPTIONS tool-5-options-cold.ico

  IDI_STATUS_PROGRAM status-0-program.ico
  IDI_STATUS_CALENDAR status-1-calendar.ico
  IDI_STATUS_MESSAGE status-2-message.ico
)
