# Runs of "hopscope-cli solar" and of --solar auto, against the local solar data server
# of tests/solar (tests/cli/solar-runs.sh says what each run must give).
add_test(NAME cli_solar_runs
  COMMAND ${CMAKE_SOURCE_DIR}/tests/solar/with-solar-server.sh ${CMAKE_CURRENT_SOURCE_DIR}/solar-runs.sh
          $<TARGET_FILE:hopscope-cli> ${CMAKE_CURRENT_SOURCE_DIR}/data/two-rows.hbt)
set_tests_properties(cli_solar_runs PROPERTIES TIMEOUT 300)
