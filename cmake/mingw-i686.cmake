# Cross toolchain for the product: 32-bit Windows with MinGW-w64 (posix thread
# model, which GoogleTest and std::thread need); programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUILLON_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
