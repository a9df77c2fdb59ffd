# 32-bit Windows: the build to ship, since on 64-bit Windows the script
# engine exists only for 32-bit processes.
set(VELLORAN_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
