# Golden runs of "hopscope-cli settings". The data folders hold settings files made
# for these runs (see tests/settings/data/README.md); the command never writes them.
set(settings_data ${CMAKE_SOURCE_DIR}/tests/settings/data)
set(settings_empty ${CMAKE_CURRENT_BINARY_DIR}/settings-empty)
file(MAKE_DIRECTORY ${settings_empty})

hopscope_cli_run(settings_factory ARGS settings --data-dir ${settings_empty}
  EXPECT "no file: factory settings.*3\\.6 +0\\.0 +11\\.126.*28\\.3.*Residential \\(constant -144\\.7 dB, slope 27\\.7 dB\\).*-10 dB.*suppressed.*1\\.5 deg.*solar flux.*UTC.*Signal Levels.*Low.*3 minutes")
hopscope_cli_run(settings_user_file ARGS settings --data-dir ${settings_data}/user
  EXPECT "read from the file.*51 30 N, 0 7 W  London.*14\\.1 +6\\.0 +16\\.984 +0\\.6082.*Rural.*2500 Hz \\(33\\.98 dB\\).*No suppression.*shown.*sunspot number.*S/N Ratios.*12 minutes")
hopscope_cli_run(settings_damaged_file ARGS settings --data-dir ${settings_data}/damaged
  EXPECT "file damaged: factory settings.*Frequencies: +5")
hopscope_cli_run(settings_earlier_layout ARGS settings --data-dir ${settings_data}/earlier
  EXPECT "earlier 340-byte layout.*London.*25 minutes")
hopscope_cli_run(settings_help ARGS settings --help EXPECT "usage: hopscope-cli settings")
hopscope_cli_run(settings_missing_folder ARGS settings --data-dir ${settings_empty}/nowhere
  REFUSED 1 ERROR "the data directory \".*/nowhere\" does not exist")
hopscope_cli_run(settings_unknown_option ARGS settings --frobnicate
  REFUSED 2 ERROR "Unknown argument: --frobnicate")
hopscope_cli_run(settings_missing_value ARGS settings --data-dir
  REFUSED 2 ERROR "The option --data-dir needs a value")
