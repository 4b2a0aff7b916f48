# Bundles fonts from the system's font packages into a target's Qt resources under ":/fonts/".
# They are copied at build time, so the font files never enter the repository.
function(qel_bundle_fonts target)
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/fonts")
  set(copies)
  foreach(src IN LISTS ARGN)
    if(NOT EXISTS "${src}")
      message(FATAL_ERROR "Font ${src} is missing; scripts/setup installs it.")
    endif()
    get_filename_component(name "${src}" NAME)
    add_custom_command(
      OUTPUT "${dir}/${name}"
      COMMAND ${CMAKE_COMMAND} -E copy "${src}" "${dir}/${name}"
      DEPENDS "${src}"
      COMMENT "Bundling font ${name}")
    list(APPEND copies "${dir}/${name}")
  endforeach()
  qt_add_resources(${target} qel_fonts PREFIX "/fonts" BASE "${dir}" FILES ${copies})
endfunction()
