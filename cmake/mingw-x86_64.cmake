# The 64-bit build: its programs run under 64-bit Wine, which is how ctest runs the tests.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QOR_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
