# Cross-compiles for 32-bit Windows: the shipped installer.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
