# fendwick_add_plugin(NAME SOURCES... LIBRARIES...): one self-contained plug-in
# library NAME.so in FENDWICK_PLUGIN_DIR that exports VSTPluginMain and main
# only, with the C++ runtime linked in so a host's own runtime cannot clash.
function(fendwick_add_plugin name)
  cmake_parse_arguments(PLUGIN "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${name} MODULE ${PLUGIN_SOURCES})
  # The editor base and the toolkit call into the window backend the plug-in
  # chooses, and it calls nothing back, so LIBRARIES name the backend after them.
  target_link_libraries(${name} PRIVATE fendwick_options ${PLUGIN_LIBRARIES})
  set(exports ${PROJECT_SOURCE_DIR}/cmake/plugin_exports.map)
  if(NOT FENDWICK_SANITIZE)
    target_link_options(${name} PRIVATE -static-libstdc++ -static-libgcc)
  endif()
  target_link_options(${name} PRIVATE -Wl,--version-script=${exports} -Wl,--no-undefined -Wl,-z,defs)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${FENDWICK_PLUGIN_DIR}
    LINK_DEPENDS ${exports})
  set_property(GLOBAL APPEND PROPERTY FENDWICK_PLUGINS ${name})
endfunction()

# fendwick_install_plugins(): `cmake --install` puts every plug-in added so
# far where hosts look for them. The folder is chosen when installing, from
# the prefix given then: see FendwickInstallPlugins.cmake.
function(fendwick_install_plugins)
  get_property(plugins GLOBAL PROPERTY FENDWICK_PLUGINS)
  set(files "")
  foreach(plugin IN LISTS plugins)
    string(APPEND files " \"$<TARGET_FILE:${plugin}>\"")
  endforeach()
  set(script ${CMAKE_BINARY_DIR}/fendwick_install_plugins.cmake)
  file(GENERATE OUTPUT ${script} CONTENT
"set(FENDWICK_VST_DIR \"${FENDWICK_VST_DIR}\")
set(FENDWICK_PLUGIN_FILES${files})
include(\"${PROJECT_SOURCE_DIR}/cmake/FendwickInstallPlugins.cmake\")
")
  install(SCRIPT ${script})
endfunction()
