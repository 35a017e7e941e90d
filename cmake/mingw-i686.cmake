# The 32-bit product build. Nothing built here runs on this machine.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QOR_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Double and single precision exactly as the x86-64 build computes them: the
# colour arithmetic truncates, so x87 extended precision would change results.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
