# The editing dialogs, driven through their own message loops; the templates and pictures are
# compiled in as the program carries them.
zorvat_test(editing_tests
  DialogScript.cpp
  ParameterDialogsTest.cpp
  EditingTests.rc
)
target_include_directories(editing_tests PRIVATE ${PROJECT_SOURCE_DIR}/res)
target_link_libraries(editing_tests PRIVATE zorvat_ui_editing zorvat_test_support)
set_source_files_properties(EditingTests.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/res/Dialogs.rc;${PROJECT_SOURCE_DIR}/res/DialogIds.h")

# Not a test: shows one editing dialog for scripts/dialog-screenshots.
add_executable(dialog-gallery DialogGallery.cpp DialogGallery.rc)
zorvat_target(dialog-gallery)
target_include_directories(dialog-gallery PRIVATE ${PROJECT_SOURCE_DIR}/res)
target_link_options(dialog-gallery PRIVATE -municode)
target_link_libraries(dialog-gallery PRIVATE zorvat_ui_editing)
