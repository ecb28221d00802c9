# fendwick_add_plugin(NAME FACTORY function FAMILY library): the plug-in
# library NAME.so (NAME.dll on Windows) in FENDWICK_PLUGIN_DIR, self-contained, exporting
# VSTPluginMain and main only, with the C++ runtime linked in so a host's own
# runtime cannot clash. `function` is the family's
# `EffectRecord* fendwick::function(HostCallback)` that makes one instance;
# `library` is the family's static library holding it with its editor and
# artwork. Every plug-in is recorded in the global lists FENDWICK_PLUGINS
# (names), FENDWICK_PLUGIN_FACTORIES and FENDWICK_PLUGIN_FAMILIES, which the
# tests, benchmarks, the in-process plug-in table and the install loop over.
function(fendwick_add_plugin name)
  cmake_parse_arguments(PLUGIN "" "FACTORY;FAMILY" "" ${ARGN})
  if(NOT PLUGIN_FACTORY OR NOT PLUGIN_FAMILY)
    message(FATAL_ERROR "fendwick_add_plugin(${name}) needs FACTORY and FAMILY")
  endif()
  set(FENDWICK_ENTRY_PLUGIN ${name})
  set(FENDWICK_ENTRY_FACTORY ${PLUGIN_FACTORY})
  set(entry ${CMAKE_CURRENT_BINARY_DIR}/${name}_entry.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/plugin_entry.cpp.in ${entry} @ONLY)
  add_library(${name} MODULE ${entry})
  # The editor base and the toolkit call into the window backend, which calls
  # nothing back, so the backend comes after them.
  target_link_libraries(${name} PRIVATE fendwick_options
    ${PLUGIN_FAMILY} fendwick_editor fendwick_gui ${FENDWICK_PLUGIN_WINDOW_BACKEND})
  if(WIN32)
    # NAME.dll needing system DLLs only (the C++ runtime and the thread
    # library linked in), exporting what the list names and nothing else.
    set(exports ${PROJECT_SOURCE_DIR}/cmake/plugin_exports.def)
    target_sources(${name} PRIVATE ${exports})
    target_link_options(${name} PRIVATE -static -static-libstdc++ -static-libgcc -Wl,--no-undefined)
  else()
    set(exports ${PROJECT_SOURCE_DIR}/cmake/plugin_exports.map)
    # The sanitizers' runtimes need the shared C++ runtime.
    if(NOT FENDWICK_SANITIZE AND NOT FENDWICK_SANITIZE_THREAD)
      target_link_options(${name} PRIVATE -static-libstdc++ -static-libgcc)
    endif()
    target_link_options(${name} PRIVATE -Wl,--version-script=${exports} -Wl,--no-undefined -Wl,-z,defs)
  endif()
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${FENDWICK_PLUGIN_DIR}
    LINK_DEPENDS ${exports})
  set_property(GLOBAL APPEND PROPERTY FENDWICK_PLUGINS ${name})
  set_property(GLOBAL APPEND PROPERTY FENDWICK_PLUGIN_FACTORIES ${PLUGIN_FACTORY})
  get_property(families GLOBAL PROPERTY FENDWICK_PLUGIN_FAMILIES)
  if(NOT PLUGIN_FAMILY IN_LIST families)
    set_property(GLOBAL APPEND PROPERTY FENDWICK_PLUGIN_FAMILIES ${PLUGIN_FAMILY})
  endif()
endfunction()

# fendwick_depend_on_plugins(TARGET): TARGET loads the built plug-ins, so
# they are built first.
function(fendwick_depend_on_plugins target)
  get_property(plugins GLOBAL PROPERTY FENDWICK_PLUGINS)
  if(plugins)
    add_dependencies(${target} ${plugins})
  endif()
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
