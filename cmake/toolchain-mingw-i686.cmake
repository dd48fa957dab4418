# 32-bit x86 Windows through Debian's mingw-w64: the shipped program. This
# machine cannot execute 32-bit code, so this target is built, never run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLBOX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
