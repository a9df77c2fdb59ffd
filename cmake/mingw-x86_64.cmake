# 64-bit Windows: built, run and tested here under wine64.
set(VELLORAN_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
