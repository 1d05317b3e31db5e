# Cross toolchain for machines that cannot run 32-bit code (the kernel's
# 32-bit emulation switched off): the same sources as 64-bit Windows programs,
# so that the tests still run under Wine there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLON_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
