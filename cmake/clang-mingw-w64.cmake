# Cross toolchain: clang for x86_64-w64-mingw32, against the mingw-w64 headers and libraries and
# the posix-threads cross g++'s own libstdc++ (clang alone would take the host's C++ headers).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${target})
set(CMAKE_CXX_COMPILER_TARGET ${target})
set(CMAKE_SYSROOT /usr/${target})
set(CMAKE_RC_COMPILER ${target}-windres)
set(CMAKE_DLLTOOL ${target}-dlltool)

execute_process(COMMAND ${target}-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
cmake_path(GET libgcc PARENT_PATH gcc)
set(cxx ${gcc}/include/c++)
# The library keeps its thread-local variables in emulated TLS, as g++ does for this target.
set(CMAKE_CXX_FLAGS_INIT
    "-nostdinc++ -isystem ${cxx} -isystem ${cxx}/${target} -isystem ${cxx}/backward -femulated-tls")
set(CMAKE_C_FLAGS_INIT "-femulated-tls")
# -pthread brings winpthread after libgcc_eh, which needs it; linking passes the compile flags
# too, where -nostdinc++ has nothing to do.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${gcc} -pthread -Wno-unused-command-line-argument")

set(CMAKE_FIND_ROOT_PATH /usr/${target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
