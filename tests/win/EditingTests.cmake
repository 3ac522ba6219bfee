# The editing dialogs, driven through their own message loops; the templates and pictures are
# compiled in as the program carries them.
zorvat_test(editing_tests
  DialogScript.cpp
  EventEditingTest.cpp
  ParameterDialogsTest.cpp
  EditingTests.rc
)
target_include_directories(editing_tests PRIVATE ${PROJECT_SOURCE_DIR}/res ${PROJECT_BINARY_DIR}/res)
target_link_libraries(editing_tests PRIVATE zorvat_ui_editing zorvat_test_support)
set_source_files_properties(EditingTests.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/res/Dialogs.rc;${PROJECT_SOURCE_DIR}/res/DialogIds.h")

# Wine waits up to two seconds for a window manager each time a managed window hides; the
# dialogs under test need none, so the prefix runs this executable's windows unmanaged.
add_test(NAME editing_tests_unmanaged
         COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run reg add
                 "HKCU\\Software\\Wine\\AppDefaults\\editing_tests.exe\\X11 Driver"
                 /v Managed /d N /f)
set_tests_properties(editing_tests_unmanaged PROPERTIES FIXTURES_SETUP editing_unmanaged)
set_tests_properties(editing_tests PROPERTIES FIXTURES_REQUIRED editing_unmanaged)
