# quillora_add_skin_archive(<target> BASE_DIR <dir> FILES <paths...> [DEPENDS <files...>])
#
# Packs FILES (paths relative to BASE_DIR, stored with "/") into a solid
# LZMA2 7z archive and makes the OBJECT library <target> holding it as the
# resource IDR_SKIN_ARCHIVE of type "ZIPRES", language 2052 (Chinese, PRC).
# Link <target> into an executable to give it that skin. DEPENDS names build
# steps that produce the files.
find_program(QUILLORA_SEVEN_ZIP 7zz REQUIRED)

function(quillora_add_skin_archive target)
    cmake_parse_arguments(arg "" "BASE_DIR" "FILES;DEPENDS" ${ARGN})
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target})
    set(archive ${dir}/skin.7z)
    set(list ${dir}/files.txt)
    set(script ${dir}/skin.rc)

    string(JOIN "\n" listed ${arg_FILES})
    file(GENERATE OUTPUT ${list} CONTENT "${listed}\n")
    list(TRANSFORM arg_FILES PREPEND ${arg_BASE_DIR}/ OUTPUT_VARIABLE inputs)
    add_custom_command(
        OUTPUT ${archive}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${archive}
        COMMAND ${QUILLORA_SEVEN_ZIP} a -t7z -m0=lzma2 -ms=on -bd -bso0 -bsp0 ${archive} @${list}
        WORKING_DIRECTORY ${arg_BASE_DIR}
        DEPENDS ${list} ${inputs} ${arg_DEPENDS}
        COMMENT "Packing the skin archive of ${target}"
        VERBATIM)

    file(GENERATE OUTPUT ${script} CONTENT
        "#include \"resources/resource_ids.h\"\nLANGUAGE 4, 2\nIDR_SKIN_ARCHIVE ZIPRES \"${archive}\"\n")
    add_library(${target} OBJECT ${script})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    set_source_files_properties(${script} PROPERTIES GENERATED TRUE OBJECT_DEPENDS ${archive})
endfunction()
