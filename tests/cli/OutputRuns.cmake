# --out naming a stream rather than a file: standard output through /dev/stdout or "-"
# (appending to the shell's log, or into a pipe) and a character device.
add_test(NAME cli_output_streams COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/output-streams.sh
  $<TARGET_FILE:hopscope-cli> ${CMAKE_SOURCE_DIR}/tests)
