# Compiler and linker settings shared by every target: a Unicode Win32
# program for Windows 7 and later, warnings on, and a fully static runtime so
# that the executables import nothing but Windows system DLLs.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
    _WIN32_WINNT=0x0601 WINVER=0x0601)
add_compile_options(
    $<$<COMPILE_LANGUAGE:C,CXX>:-Wall>
    $<$<COMPILE_LANGUAGE:C,CXX>:-Wextra>
    $<$<COMPILE_LANGUAGE:C,CXX>:-ffunction-sections>
    $<$<COMPILE_LANGUAGE:C,CXX>:-fdata-sections>)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections -s)
if(NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()

# Windows' name of the build's processor, as manifests and NSIS targets
# spell it: x86 for the shipped 32-bit program, amd64 for a 64-bit build.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
    set(QUILLORA_WINDOWS_ARCH amd64)
else()
    set(QUILLORA_WINDOWS_ARCH x86)
endif()
