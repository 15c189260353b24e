# Third-party libraries. Those Debian ships as MinGW builds come from the
# toolchain's sysroot; the rest were cross-built by scripts/setup into
# QUILLORA_DEPS/current/<processor>/<name>.
set(QUILLORA_DEPS /var/cache/quillora-deps CACHE PATH "Folder of the cross-built dependencies")
set(deps ${QUILLORA_DEPS}/current/${CMAKE_SYSTEM_PROCESSOR})
foreach(dep curl pugixml 7zip googletest)
    if(NOT EXISTS ${deps}/${dep})
        message(FATAL_ERROR "${deps}/${dep} is missing: run scripts/setup first")
    endif()
endforeach()

find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

add_library(deps_curl STATIC IMPORTED GLOBAL)
set_target_properties(deps_curl PROPERTIES
    IMPORTED_LOCATION ${deps}/curl/lib/libcurl.a
    INTERFACE_INCLUDE_DIRECTORIES ${deps}/curl/include
    INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB
    INTERFACE_LINK_LIBRARIES "ZLIB::ZLIB;ws2_32;crypt32;bcrypt;secur32;advapi32;iphlpapi")

add_library(deps_pugixml STATIC IMPORTED GLOBAL)
set_target_properties(deps_pugixml PROPERTIES
    IMPORTED_LOCATION ${deps}/pugixml/lib/libpugixml.a
    INTERFACE_INCLUDE_DIRECTORIES ${deps}/pugixml/include
    INTERFACE_COMPILE_DEFINITIONS PUGIXML_WCHAR_MODE)

add_library(deps_7zdec STATIC IMPORTED GLOBAL)
set_target_properties(deps_7zdec PROPERTIES
    IMPORTED_LOCATION ${deps}/7zip/lib/lib7zdec.a
    INTERFACE_INCLUDE_DIRECTORIES ${deps}/7zip/include/7z)

add_library(deps_stb INTERFACE IMPORTED GLOBAL)
set_target_properties(deps_stb PROPERTIES INTERFACE_INCLUDE_DIRECTORIES /usr/include/stb)

set(GTest_DIR ${deps}/googletest/lib/cmake/GTest)
