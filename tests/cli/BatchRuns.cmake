# Golden runs of "hopscope-cli batch". Tables in tests/cli/data: four-rows.hbt (15
# records: VK both paths, JA long path, W1 to JN58 with a bare solar number, QQ9 that
# no atlas knows, then default rows) and two-rows.hbt (two records, dates with "-").
# Each run prints "exit=N" after the command's output, so the status is matched too.
set(batch_data ${CMAKE_CURRENT_SOURCE_DIR}/data)
set(batch_user ${CMAKE_SOURCE_DIR}/tests/settings/data/user)
set(batch_work ${CMAKE_CURRENT_BINARY_DIR}/batch-work)
file(MAKE_DIRECTORY ${batch_work})
set(batch_dates --date-order mdy --date-separator /)
string(REPEAT "-" 101 batch_dashes)

# batch_run(name EXPECT regex ARGS ...): the command's output and its exit status.
function(batch_run name)
  cmake_parse_arguments(ARG "" "EXPECT" "ARGS" ${ARGN})
  add_test(NAME cli_batch_${name}
    COMMAND sh -c "\"$0\" \"$@\" 2>&1; echo \"exit=$?\"" $<TARGET_FILE:hopscope-cli> batch ${ARG_ARGS})
  set_tests_properties(cli_batch_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${ARG_EXPECT}")
endfunction()

# Every row that can run gives its reports in order, short before long; the refused
# row is named with its reason and the status is 1.
batch_run(run_text ARGS run ${batch_data}/four-rows.hbt --data-dir ${batch_user} ${batch_dates}
  EXPECT "^\r?\n +Hopscope Short-Path Prediction for 12/08/2026\r?\n.*Australia.*${batch_dashes}\r?\n\r?\n +Hopscope Long-Path Prediction for 12/08/2026.*Long-Path Prediction.*Japan.*Short-Path Prediction.*JN58.*${batch_dashes}\r?\nhopscope-cli batch: row 4: Terminal B: QQ9 not found in atlas and not a valid grid locator\nexit=1\n$")
batch_run(run_json ARGS run ${batch_data}/four-rows.hbt --data-dir ${batch_user} ${batch_dates} --format json
  EXPECT "^\\{\"rows\": \\[\n \\{\"row\": 1, \"status\": \"OK\", \"prediction\": \\{\"ssn\": 100, .*\"kind\": \"short\".*\"kind\": \"long\".*\n \\{\"row\": 4, \"status\": \"X\", \"reason\": \"Terminal B: QQ9 not found in atlas and not a valid grid locator\"\\},\n \\{\"row\": 5, \"status\": \"blank\"\\},.*\\]\\}\nexit=1\n$")
# A two-record file: the other rows are empty. The DEFAULT terminal and the date
# separator come from the options; lower-case cells are read as upper case.
batch_run(run_two_records ARGS run ${batch_data}/two-rows.hbt --data-dir ${batch_work}
  --default-lat "51 30 N" --default-lon "0 7 W" --default-name London --date-order mdy --date-separator - --freqs 7.1,14.1
  EXPECT "TERMINAL A: 51.50 N   0.12 W  London.* 7.1 MHz  14.1 MHz\r?\n.*TERMINAL A: 48.50 N  11.00 E  JN58.*TERMINAL B: 41.50 N  73.00 W  FN31.*SSN:  66.9  Flux: 120.0  K: Average.*exit=0\n$")
# Without a default terminal the DEFAULT rows are refused, the others run.
batch_run(run_without_default ARGS run ${batch_data}/four-rows.hbt --data-dir ${batch_work} ${batch_dates} --sunspot-primary
  EXPECT "JN58.*row 1: Terminal A: The default terminal is not available.*row 2: .*exit=1\n$")

# A report file: refused when it exists unless --append or --overwrite; appending
# twice gives both runs in order.
add_test(NAME cli_batch_out_append_twice
  COMMAND sh -c "rm -f \"$1\" && \"$0\" batch run \"$2\" --data-dir \"$3\" --out \"$1\" --date-order mdy --date-separator - --default-lat 51N --default-lon 0 && \"$0\" batch run \"$2\" --data-dir \"$3\" --out \"$1\" --append --date-order mdy --date-separator - --default-lat 40N --default-lon 74W && grep -c 'Prediction for' \"$1\" && grep 'TERMINAL A' \"$1\""
    $<TARGET_FILE:hopscope-cli> ${batch_work}/append.hpf ${batch_data}/two-rows.hbt ${batch_work})
set_tests_properties(cli_batch_out_append_twice PROPERTIES
  PASS_REGULAR_EXPRESSION "^4\n TERMINAL A: 51.00 N   0.00 [^\n]*\n TERMINAL A: 48.50 N[^\n]*\n TERMINAL A: 40.00 N  74.00 W[^\n]*\n TERMINAL A: 48.50 N")
batch_run(out_exists ARGS run ${batch_data}/two-rows.hbt --out ${batch_data}/four-rows.hbt --data-dir ${batch_work}
  EXPECT "four-rows.hbt exists; give --append or --overwrite\nexit=1\n$")

# Listing and creating tables.
batch_run(show_text ARGS show ${batch_data}/four-rows.hbt
  EXPECT "^Row A       B       Date     Solar  K  Path Notes\n1   DEFAULT VK      12/08/26 S100   3  B    Contest test\n.*\n4   DEFAULT QQ9 .*\n15  DEFAULT                            S\nexit=0\n$")
# Every batch command takes --data-dir, as the others do.
batch_run(show_with_data_dir ARGS show ${batch_data}/two-rows.hbt --data-dir ${batch_work}
  EXPECT "^Row A       B       Date     Solar  K  Path Notes\n1   DEFAULT VK .*exit=0\n$")
batch_run(show_json ARGS show ${batch_data}/two-rows.hbt --format json
  EXPECT "^\\{\"rows\": \\[\n \\{\"row\": 1, \"a\": \"DEFAULT\", \"b\": \"VK\", \"date\": \"12-08-26\", \"solar\": \"S100\", \"k\": \"\", \"path\": \"S\", \"notes\": \"two records only\"\\},\n \\{\"row\": 2, \"a\": \"JN58\".*\n \\{\"row\": 3, \"a\": \"\", \"b\": \"\", .*\\]\\}\nexit=0\n$")
add_test(NAME cli_batch_new
  COMMAND sh -c "rm -f \"$1\" && \"$0\" batch new \"$1\" && wc -c < \"$1\" && \"$0\" batch new \"$1\"; echo \"exit=$?\""
    $<TARGET_FILE:hopscope-cli> ${batch_work}/new.hbt)
set_tests_properties(cli_batch_new PROPERTIES
  PASS_REGULAR_EXPRESSION "^4395\nhopscope-cli batch: [^\n]*new.hbt exists; give --force to replace it\nexit=1\n$")

# Usage errors: status 2 with the usage text.
batch_run(usage_both_modes ARGS run ${batch_data}/two-rows.hbt --out x.hpf --append --overwrite
  EXPECT "give only one of --append and --overwrite\n\nusage: hopscope-cli batch run.*exit=2\n$")
batch_run(usage_request_option ARGS run ${batch_data}/two-rows.hbt --solar S100
  EXPECT "--solar is not an option of batch run.*exit=2\n$")
batch_run(usage_unknown_command ARGS list ${batch_data}/two-rows.hbt
  EXPECT "unknown batch command 'list'.*exit=2\n$")
batch_run(usage_separator ARGS run ${batch_data}/two-rows.hbt --date-separator 12
  EXPECT "--date-separator must be one character other than a digit.*exit=2\n$")
batch_run(missing_table ARGS run ${batch_work}/absent.hbt --data-dir ${batch_work}
  EXPECT "absent.hbt: No such file or directory\nexit=1\n$")
