# Help and version of every program, answered at once. hopscope-cli answers the help
# of the commands of the full program itself: it is run here from a folder of its own,
# without hopscope-cli-full beside it.
add_test(NAME cli_full_commands_help_without_full_program
  COMMAND sh -c "d=$(mktemp -d) && cp \"$0\" \"$d/\" && for c in graph map freqmap coverage planner; do \"$d/hopscope-cli\" $c --help | head -n 1 || echo failed; done; rm -rf \"$d\""
    $<TARGET_FILE:hopscope-cli>)
set_tests_properties(cli_full_commands_help_without_full_program PROPERTIES
  PASS_REGULAR_EXPRESSION "^usage: hopscope-cli graph [^\n]*\nusage: hopscope-cli map [^\n]*\nusage: hopscope-cli freqmap [^\n]*\nusage: hopscope-cli coverage [^\n]*\nusage: hopscope-cli planner [^\n]*\n$")
add_test(NAME cli_full_program_version COMMAND hopscope-cli-full --version)
set_tests_properties(cli_full_program_version PROPERTIES
  PASS_REGULAR_EXPRESSION "^hopscope-cli [0-9]+\\.[0-9]+[^\n]*\n$")
add_test(NAME cli_full_program_help COMMAND hopscope-cli-full --help)
set_tests_properties(cli_full_program_help PROPERTIES
  PASS_REGULAR_EXPRESSION "^usage: hopscope-cli-full COMMAND")

# The windowed program's --help needs no display (and is not passed to Qt).
if(TARGET hopscope)
  add_test(NAME app_help_without_display
    COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $<TARGET_FILE:hopscope>
      --data-dir nowhere --help)
  set_tests_properties(app_help_without_display PROPERTIES
    PASS_REGULAR_EXPRESSION "^usage: hopscope \\[/b\\] \\[--data-dir DIR\\]\n.*--help +print this text\n")
endif()
