# Shared build rules for the project's own targets.

# Warnings are errors on our code only; third-party code keeps its own flags.
function(zorvat_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # Names reserved to the implementation (_Upper, double underscores) in our code. Braces
    # left out around a member aggregate (brace elision) are standard C++, and g++ accepts them.
    target_compile_options(${target} PRIVATE -Wreserved-identifier -Wno-missing-braces)
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports std::string concatenation at -O2 as overlapping memcpy (GCC bug 105651).
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  endif()
endfunction()

# A portable library of the core: sources listed by the caller, headers beside them.
function(zorvat_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  zorvat_target(${target})
endfunction()

if(WIN32)
  # Every page of the program's image ends up in its working set (the kernel maps a file's
  # neighbouring pages with each one touched), so the image is made small rather than fast: the
  # program waits for the user and the clock, never for its own code. Functions and data nobody
  # calls are left out at the link (zorvat_shipped_program).
  string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
  string(REPLACE "-O3" "-Os" CMAKE_C_FLAGS_RELEASE "${CMAKE_C_FLAGS_RELEASE}")
  add_compile_options(-ffunction-sections -fdata-sections)

  # No DLLs beside the programs: the C++ runtime and winpthread are linked in.
  set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")

  # System libraries only some commands need (the file dialogs, the sounds, the shell's program
  # start and file icons) are loaded at their first call: a start pays neither for them nor for
  # what they load in turn (comdlg32 brings the print spooler, shell32 shlwapi). Each lists the
  # functions we call in cmake/delay-load/NAME.def; link NAME_delay in place of NAME.
  function(zorvat_delay_loaded name)
    set(definitions ${PROJECT_SOURCE_DIR}/cmake/delay-load/${name}.def)
    set(library ${CMAKE_BINARY_DIR}/delay-load/lib${name}-delay.a)
    add_custom_command(OUTPUT ${library}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay-load
                       COMMAND ${CMAKE_DLLTOOL} --input-def ${definitions} --dllname ${name}.dll
                               --output-delaylib ${library}
                       DEPENDS ${definitions} VERBATIM)
    add_custom_target(${name}_delay_library DEPENDS ${library})
    add_library(${name}_delay STATIC IMPORTED GLOBAL)
    set_target_properties(${name}_delay PROPERTIES IMPORTED_LOCATION ${library})
    add_dependencies(${name}_delay ${name}_delay_library)
  endfunction()
  zorvat_delay_loaded(comdlg32)
  zorvat_delay_loaded(winmm)
  zorvat_delay_loaded(shell32)
endif()

# A program as it ships. Its sections are page-aligned in the file too, so the loader can map the
# image rather than copy it (Wine copies an image it cannot map, and every copied page counts in
# the working set); no symbols, and none of the debug sections the static runtime brings, which
# would be loaded with the image.
function(zorvat_shipped_program target)
  if(WIN32)
    target_link_options(${target} PRIVATE -s -Wl,--file-alignment,4096 -Wl,--gc-sections)
  endif()
endfunction()

# GoogleTest: the system's library natively; built from the system's sources for Windows.
if(NOT ZORVAT_FUZZ AND ZORVAT_TESTS)
  if(WIN32)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

# A test executable: natively every test case is its own ctest entry; under Wine the whole
# executable is one entry, because every Wine start costs about a second.
function(zorvat_test target)
  add_executable(${target} ${ARGN})
  zorvat_target(${target})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gtest_main)
  if(WIN32)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 300)
  else()
    include(GoogleTest)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
