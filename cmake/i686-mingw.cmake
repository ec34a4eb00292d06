# Cross toolchain for the 32-bit Windows build.
# CORVANE_MINGW_THREADS picks the compiler variant: "win32" (default) for the shipping exe, which
# must load on Windows 98; "posix" for the GoogleTest executables that only ever run under Wine
# (GoogleTest needs std::mutex, which the win32 thread model lacks).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

if(NOT DEFINED CORVANE_MINGW_THREADS)
  set(CORVANE_MINGW_THREADS win32)
endif()
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CORVANE_MINGW_THREADS)

set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-${CORVANE_MINGW_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${CORVANE_MINGW_THREADS})
set(CMAKE_RC_COMPILER  i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Cross-built tests run under Wine, in the prefix the wrapper prepares.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
