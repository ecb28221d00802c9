# fendwick for Windows: info and render, with WAV files through the tool's own
# reader and writer, since there is no libsndfile for Windows to link.
add_library(fendwick_tool STATIC
  channel_routing.cpp
  command_line.cpp
  info_command.cpp
  json_writer.cpp
  number_text.cpp
  plugin_description.cpp
  plugin_settings.cpp
  render_arguments.cpp
  text_table.cpp
  wav_file.cpp
  wav_render_command.cpp
  windows_absent_commands.cpp
  windows_usage_text.cpp)
target_include_directories(fendwick_tool PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fendwick_tool PUBLIC fendwick_hosting fendwick_options)

add_executable(fendwick main.cpp)
target_link_libraries(fendwick PRIVATE fendwick_tool fendwick_options)
# A program that runs wherever the DLLs do: no runtime DLLs beside it.
target_link_options(fendwick PRIVATE -static -static-libstdc++ -static-libgcc)
install(TARGETS fendwick RUNTIME DESTINATION bin)
