# Cross-compiles for 64-bit Windows: the test build of machines that cannot
# run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
