# Compiles the files under a resource folder into the program, so it never depends on
# finding them on disk at run time. Generates one C++ source with a name -> bytes table. Files
# made by the build (GENERATED) go in under their folder's name: "translations/qel_de.qm".
function(qel_embed_resources out_var dir)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "GENERATED")
  file(GLOB_RECURSE files CONFIGURE_DEPENDS LIST_DIRECTORIES false "${dir}/*.json" "${dir}/*.txt")
  set(generated "${CMAKE_CURRENT_BINARY_DIR}/EmbeddedResources.cpp")
  add_custom_command(
    OUTPUT "${generated}"
    COMMAND ${CMAKE_COMMAND} -DDIR=${dir} -DOUT=${generated} "-DGENERATED=${arg_GENERATED}"
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedResourcesRun.cmake
    DEPENDS ${files} ${arg_GENERATED} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedResourcesRun.cmake
    COMMENT "Embedding resources"
    VERBATIM)
  set(${out_var} "${generated}" PARENT_SCOPE)
endfunction()
