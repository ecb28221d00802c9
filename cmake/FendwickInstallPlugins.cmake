# Run by `cmake --install`: copies the plug-ins into a folder VST hosts scan.
# FENDWICK_VST_DIR when set; ~/.vst/Fendwick when the prefix lies in the
# user's home folder (`--prefix ~/.local`); <prefix>/lib/vst otherwise
# (/usr/local/lib/vst for the default prefix).
set(home "$ENV{HOME}")
set(home_at -1)
if(home AND NOT home STREQUAL "/")
  string(FIND "${CMAKE_INSTALL_PREFIX}/" "${home}/" home_at)
endif()
if(FENDWICK_VST_DIR)
  set(vst_dir "${FENDWICK_VST_DIR}")
elseif(home_at EQUAL 0)
  set(vst_dir "${home}/.vst/Fendwick")
else()
  set(vst_dir "${CMAKE_INSTALL_PREFIX}/lib/vst")
endif()
file(INSTALL ${FENDWICK_PLUGIN_FILES} DESTINATION "${vst_dir}")
