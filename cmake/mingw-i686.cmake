# The 32-bit product build. Nothing built here runs on this machine.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QOR_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
