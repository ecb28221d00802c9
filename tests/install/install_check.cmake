# Installs the build twice, with a prefix in a scratch home folder and with a
# system-like prefix, and checks where everything landed.
file(REMOVE_RECURSE "${SCRATCH}")
set(home "${SCRATCH}/home")
file(MAKE_DIRECTORY "${home}")
file(GLOB plugins RELATIVE "${BUILD_DIR}/plugins" "${BUILD_DIR}/plugins/*.so")
if(NOT plugins)
  message(FATAL_ERROR "no plug-ins built in ${BUILD_DIR}/plugins")
endif()

function(install_into prefix)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${home}
                          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                  RESULT_VARIABLE failed OUTPUT_QUIET)
  if(failed)
    message(FATAL_ERROR "cmake --install --prefix ${prefix} failed")
  endif()
endfunction()

function(expect_files folder)
  foreach(file IN LISTS ARGN)
    if(NOT EXISTS "${folder}/${file}")
      message(FATAL_ERROR "${folder}/${file} was not installed")
    endif()
  endforeach()
endfunction()

# Nothing lands under `root` but the plug-ins in `plugin_folder` and the tool
# (paths relative to root).
function(expect_only root plugin_folder)
  file(GLOB_RECURSE installed RELATIVE "${root}" "${root}/*")
  list(TRANSFORM plugins PREPEND "${plugin_folder}/" OUTPUT_VARIABLE expected)
  list(APPEND expected ${ARGN})
  list(SORT installed)
  list(SORT expected)
  if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed under ${root}:\n  ${installed}\nexpected:\n  ${expected}")
  endif()
endfunction()

# The installed tool finds a plug-in by name in `folder` (a name the build
# folder, searched first, does not have).
function(expect_tool_finds tool folder)
  file(COPY_FILE "${folder}/ascarell.so" "${folder}/installed_copy.so")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${home} --unset=FENDWICK_PLUGIN_DIR
                          ${tool} info installed_copy
                  RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(failed OR NOT out MATCHES "Ascarell")
    message(FATAL_ERROR "${tool} info installed_copy did not find ${folder}/installed_copy.so: ${err}")
  endif()
endfunction()

# A prefix in the home folder: plug-ins in ~/.vst/Fendwick, the tool in <prefix>/bin.
install_into("${home}/.local")
expect_files("${home}/.vst/Fendwick" ${plugins})
expect_files("${home}/.local/bin" fendwick)
expect_only("${home}" ".vst/Fendwick" ".local/bin/fendwick")
expect_tool_finds("${home}/.local/bin/fendwick" "${home}/.vst/Fendwick")

# Any other prefix: plug-ins in <prefix>/lib/vst.
install_into("${SCRATCH}/usr")
expect_files("${SCRATCH}/usr/lib/vst" ${plugins})
expect_files("${SCRATCH}/usr/bin" fendwick)
expect_only("${SCRATCH}/usr" "lib/vst" "bin/fendwick")
file(REMOVE_RECURSE "${home}/.vst")
expect_tool_finds("${SCRATCH}/usr/bin/fendwick" "${SCRATCH}/usr/lib/vst")
file(REMOVE_RECURSE "${SCRATCH}")
