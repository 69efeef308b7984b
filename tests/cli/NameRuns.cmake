# Names in every text output: control characters from the settings file's default
# terminal or from --a-name / --from-name come out as "?", never raw (an escape
# character in the output fails the run), and a locator without a name is named by it.
# (No brackets or ";" in the names given here: CMake would take them for list syntax.)
string(ASCII 27 esc)
string(ASCII 7 bell)
set(hostile_dir --data-dir ${CMAKE_SOURCE_DIR}/tests/settings/data/hostile)
set(names_day --date 2026-03-15 --solar S100)
set(escaped_name "\\?\\[2J\\?\\[31mHam\\?")

hopscope_cli_run(names_settings_default_terminal ARGS settings ${hostile_dir}
  EXPECT "Default terminal: +51 30 N, 0 7 W  ${escaped_name}\n")
hopscope_cli_run(names_predict_default_terminal
  ARGS predict --a DEFAULT --b VK ${names_day} --path short ${hostile_dir}
  EXPECT " TERMINAL A: 51\\.50 N   0\\.12 W  ${escaped_name}      Sunrise/Set")
hopscope_cli_run(names_planner_default_terminal
  ARGS planner --a DEFAULT --to G,DEFAULT ${names_day} ${hostile_dir}
  EXPECT "^Planner from ${escaped_name} \\(51 30 N 0 7 W\\)")
hopscope_cli_run(names_path_given_name
  ARGS path --a FN31 --a-name "${esc}c${bell}x" --b G ${names_day}
  EXPECT " TERMINAL A: 41\\.50 N  73\\.00 W  \\?c\\?x  ")
hopscope_cli_run(names_predict_given_name
  ARGS predict --a G --b FN31 --b-name "${esc}P0,t${bell}" ${names_day} --path short
  EXPECT " TERMINAL B: 41\\.50 N  73\\.00 W  \\?P0,t\\?  ")
hopscope_cli_run(names_bearings_from_name
  ARGS bearings --from FN31 --from-name "${esc}cx"
  EXPECT "From \\?cx  41\\.50 N  73\\.00 W")
hopscope_cli_run(names_batch_default_terminal
  ARGS batch run ${CMAKE_CURRENT_SOURCE_DIR}/data/two-rows.hbt --date-order mdy
    --date-separator - ${hostile_dir}
  EXPECT " TERMINAL A: 51\\.50 N   0\\.12 W  ${escaped_name}      Sunrise/Set")
hopscope_cli_run(names_batch_default_name
  ARGS batch run ${CMAKE_CURRENT_SOURCE_DIR}/data/two-rows.hbt --date-order mdy
    --date-separator - --default-lat 51N --default-lon 0 --default-name "${esc}c${bell}x"
    --data-dir ${CMAKE_CURRENT_BINARY_DIR}
  EXPECT " TERMINAL A: 51\\.00 N   0\\.00    \\?c\\?x  ")
foreach(run settings_default_terminal predict_default_terminal planner_default_terminal
    path_given_name predict_given_name bearings_from_name batch_default_terminal
    batch_default_name)
  set_tests_properties(cli_names_${run} PROPERTIES FAIL_REGULAR_EXPRESSION "${esc}|${bell}")
endforeach()

# A locator without a name is named by it in path and predict, as in the windows.
hopscope_cli_run(names_path_locator_terminal ARGS path --a G --b JN58 ${names_day}
  EXPECT " TERMINAL B: 48\\.50 N  11\\.00 E  JN58               Sunrise/Set")
hopscope_cli_run(names_predict_locator_terminal
  ARGS predict --a fn31 --b G ${names_day} --path short
  EXPECT " TERMINAL A: 41\\.50 N  73\\.00 W  FN31               Sunrise/Set")
