# Test binaries are Windows programs too: CTest runs them (and GoogleTest's
# discovery) under Wine, in a prefix that belongs to this build folder.
find_package(GTest REQUIRED CONFIG)
include(GoogleTest)

# Wine's own loader for the build's word size: Debian's "wine" launcher
# always prefers the 32-bit one.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
    set(QUILLORA_WINE_ARCH win64)
    find_program(WINE_LOADER wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH REQUIRED)
else()
    set(QUILLORA_WINE_ARCH win32)
    find_program(WINE_LOADER wine PATHS /usr/lib/wine NO_DEFAULT_PATH REQUIRED)
endif()
set(QUILLORA_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_SOURCE_DIR}/tests/support/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

add_custom_command(
    OUTPUT ${QUILLORA_WINE_PREFIX}/.ready
    COMMAND ${CMAKE_SOURCE_DIR}/tests/support/make-wine-prefix ${CMAKE_BINARY_DIR}/wine-run
            ${QUILLORA_WINE_PREFIX}
    DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/make-wine-prefix
    COMMENT "Creating the Wine prefix for the tests")
add_custom_target(wine_prefix ALL DEPENDS ${QUILLORA_WINE_PREFIX}/.ready)

# quillora_add_gtest(NAME SOURCES ... LIBS ... LABELS ... [DISPLAY]
#                    [DEBUG_OUTPUT] [SERIAL] [LOCKS name...] [TIMEOUT s])
# DISPLAY marks tests that show windows or drive the mouse: they share one
# X display, so no two of them run at the same time. DEBUG_OUTPUT marks tests
# that listen on the session's debug-output buffer, which has room for one
# listener and sees every process's records: they run alone. LOCKS names
# other shared state (a registry key, say) that tests must not touch at once.
# SERIAL marks tests that must run alone for another reason.
function(quillora_add_gtest name)
    cmake_parse_arguments(arg "DISPLAY;DEBUG_OUTPUT;SERIAL" "TIMEOUT" "SOURCES;LIBS;LABELS;LOCKS" ${ARGN})
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 120)
    endif()
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} quillora_test_support GTest::gtest_main)
    add_dependencies(${name} wine_prefix)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)

    # Properties go on the discovered tests from a file that CTest reads after
    # the discovery's own: gtest_discover_tests would split list values.
    set(properties "LABELS \"${arg_LABELS}\" TIMEOUT ${arg_TIMEOUT}")
    if(arg_DISPLAY)
        list(APPEND arg_LOCKS x_display)
    endif()
    if(arg_LOCKS)
        string(APPEND properties " RESOURCE_LOCK \"${arg_LOCKS}\"")
    endif()
    if(arg_DEBUG_OUTPUT OR arg_SERIAL)
        string(APPEND properties " RUN_SERIAL ON")
    endif()
    set(file ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
    file(WRITE ${file} "if(${name}_TESTS)\n"
        "    set_tests_properties(\${${name}_TESTS} PROPERTIES ${properties})\n"
        "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()
