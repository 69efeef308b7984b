# Golden runs of "hopscope-cli predict". Data folders: an empty one (factory settings,
# built-in atlas) and the settings files of tests/settings/data (read, never written).
set(predict_data ${CMAKE_SOURCE_DIR}/tests/settings/data)
set(predict_empty ${CMAKE_CURRENT_BINARY_DIR}/predict-empty)
file(MAKE_DIRECTORY ${predict_empty})
set(london --a-lat "51 30 N" --a-lon "0 7 W" --a-name London)
set(new_york --b-lat 40.7 --b-lon 74 --b-name "New York")
# CMake's regular expressions have no {n} counts: these stand for them.
string(REPEAT " " 28 pad28)
string(REPEAT " " 34 pad34)
string(REPEAT " " 37 pad37)
string(REPEAT "[^\r\n]" 96 any96)
string(REPEAT "[^\r\n]" 30 any30)
string(REPEAT ", [0-9.]+" 47 more47)
set(fixed --data-dir ${predict_empty} --date 2026-12-08 --date-order mdy)

# The report as the results window saves it: caption, header lines, title, column
# header, rows, footer; no dashed line (that belongs to batch report files).
# (CTest drops the CR of CR LF line ends from what it matches, hence "\r?".)
hopscope_cli_run(predict_text_short
  ARGS predict ${fixed} ${london} ${new_york} --solar S100 --path short
  EXPECT "^\r?\n${pad28}Hopscope Short-Path Prediction for 12/08/2026\r?\n\r?\n TERMINAL A: 51.50 N   0.12 W  London [^\r\n]*\r?\n TERMINAL B: 40.70 N  74.00 W  New York[^\r\n]*\r?\n SSN: 100.0  Flux:[^\r\n]* K: Average [^\r\n]*Path Length:  5572 km\r?\n\r?\n${pad34}SIGNAL LEVELS IN dB ABOVE 0.5 µV\r?\n UTC   MUF    3.6 MHz   7.1 MHz  14.1 MHz  21.2 MHz  28.3 MHz\r?\n 0000 [ 0-9][0-9]\\.[0-9] [^\r\n]*\r?\n.* 2330 [^\r\n]*\r?\n\r?\n Availabilities  A: 75 - 100%  B: 50 - 75%  C: 25 - 50%  D: 1 - 25%\r?\n Signal levels suppressed if below -10 dB relative to 0.5 µV or if predicted availability is zero\r?\n$")
# Both paths, short first, the long report right after the short one's footer.
hopscope_cli_run(predict_text_both
  ARGS predict ${fixed} ${london} ${new_york} --solar F150
  EXPECT "Short-Path Prediction for 12/08/2026.* predicted availability is zero\r?\n\r?\n${pad28}Hopscope Long-Path Prediction for 12/08/2026.* predicted availability is zero\r?\n$")
# Ten frequencies: 9-wide fields, so header and rows are 101 characters wide.
hopscope_cli_run(predict_ten_frequencies
  ARGS predict ${fixed} --a G --b VK --solar F150 --path short
       --freqs 29.9,3.0,5.5,7.1,10.1,14.1,18.1,21.2,24.9,28.3
  EXPECT "\r?\n UTC   MUF   3.0 MHz  5.5 MHz  7.1 MHz 10.1 MHz 14.1 MHz 18.1 MHz 21.2 MHz 24.9 MHz 28.3 MHz 29.9 MHz\r?\n 0000${any96}\r?\n")
# A polar long path: the text over columns 42-61 of the third header line; the
# settings file's default terminal, S/N display, times at a fixed offset.
hopscope_cli_run(predict_polar_default_terminal
  ARGS predict --data-dir ${predict_data}/user --date 2026-06-15 --date-order dmy
       --a DEFAULT --b W1 --solar 100 --path long --tz-offset +05:30
  EXPECT "Hopscope Long-Path Prediction for 15/06/2026.* TERMINAL A: 51.50 N   0.12 W  London[^\r\n]* ULT  Bearing to B:.*\r?\n SSN: 100.0${any30}THIS IS A POLAR PATH [^\r\n]*\r?\n\r?\n${pad37}SIGNAL-TO-NOISE RATIOS \\(dB\\)\r?\n ULT   MUF    7.1 MHz  14.1 MHz  21.2 MHz\r?\n.*  Others: 0%\r?\n No suppression in effect\r?\n$")
hopscope_cli_run(predict_no_frequencies
  ARGS predict ${fixed} ${london} ${new_york} --solar S50 --path short --freqs=
  EXPECT "NO FREQUENCIES HAVE BEEN SPECIFIED\r?\n UTC   MUF \r?\n 0000 [ 0-9][0-9]\\.[0-9] \r?\n.*\r?\n\r?\n Signal levels suppressed if below -10 dB relative to 0.5 µV or if predicted availability is zero\r?\n$")
hopscope_cli_run(predict_all_suppressed
  ARGS predict ${fixed} ${london} ${new_york} --solar S0 --path short --suppression 0 --freqs 29.9 --snr --min-angle 45
  EXPECT "There are no displayable S/N \\((all are suppressed|no modes were found)\\)\r?\n.* S/N suppressed if signal level below 0 dB relative")
hopscope_cli_run(predict_json
  ARGS predict ${fixed} ${london} ${new_york} --solar S100 --format json --freqs 7.1,14.1
  EXPECT "^\\{\"ssn\": 100, \"flux\": [0-9.]+, \"frequencies\": \\[7\\.1, 14\\.1\\],\n \"paths\": \\[\n  \\{\"kind\": \"short\", \"bearingAtA\": 288\\.[0-9]+, \"bearingAtB\": 51\\.[0-9]+, \"length\": 0\\.87[0-9]+, \"isPolar\": false,\n   \"headerLines\": \\[\" TERMINAL A: .*\"muf\": \\[[0-9.]+${more47}\\],.*\\{\"utc\": \"0000\", \"cells\": \\[\\{\"signal\": .*\\{\"kind\": \"long\".*\"utc\": \"2330\".*\\]\\}\n$")
hopscope_cli_run(predict_csv
  ARGS predict ${fixed} ${london} ${new_york} --solar S100 --format csv --path long --freqs 14.1
  EXPECT "^path,utc,muf_mhz,frequency_mhz,signal_db,reliability,mode,hops,elevation_deg\r?\nlong,0000,[0-9.]+,14\\.1,[-0-9.]*,[0-9.e-]+,[EF]*,[0-9]+,[0-9]+\r?\n.*long,2330,")
hopscope_cli_run(predict_locator_and_prefix
  ARGS predict ${fixed} --a fn31 --b ja --solar S100 --path short
  EXPECT "TERMINAL A: 41.50 N  73.00 W [^\r\n]*\r?\n TERMINAL B: [^\r\n]* Japan")

# Refusals: status 1 and the program's message for a value it refuses, status 2 and
# the usage text for options combined wrongly.
set(refused ${fixed} --a G --b W1)
hopscope_cli_run(predict_default_undefined ARGS predict ${fixed} --a DEFAULT --b W1 --solar S100
  REFUSED 1 ERROR "^hopscope-cli predict: --a 'DEFAULT': The default terminal is not available until it is defined\\. Choose Options")
hopscope_cli_run(predict_unknown_prefix ARGS predict ${fixed} --a qzzz --b W1 --solar S100
  REFUSED 1 ERROR "--a 'qzzz': qzzz not found in atlas and not a valid grid locator or callsign$")
hopscope_cli_run(predict_empty_prefix ARGS predict ${fixed} --a= --b W1 --solar S100
  REFUSED 1 ERROR "Terminal A is missing: enter the prefix")
hopscope_cli_run(predict_indeterminate ARGS predict ${fixed} --a G --b G --solar S100
  REFUSED 1 ERROR "The path between the specified terminals is indeterminate")
hopscope_cli_run(predict_flux_too_low ARGS predict ${refused} --solar F59.9
  REFUSED 1 ERROR "--solar 'F59.9': Solar flux must be between 60 and 410")
hopscope_cli_run(predict_sunspots_too_high ARGS predict ${refused} --solar S361
  REFUSED 1 ERROR "--solar 'S361': Sunspot number must be between 0 and 360")
# A bare number is a flux with factory settings, so 400 passes there; the user's
# settings make it a sunspot number, and 400 is too many.
hopscope_cli_run(predict_bare_solar_index_follows_settings
  ARGS predict --data-dir ${predict_data}/user --a G --b W1 --solar 400
  REFUSED 1 ERROR "--solar '400': Sunspot number must be between 0 and 360")
hopscope_cli_run(predict_no_solar_index ARGS predict ${refused}
  REFUSED 1 ERROR "You must enter a solar flux or sunspot number")
hopscope_cli_run(predict_bad_date ARGS predict ${refused} --solar S1 --date 2026-02-30
  REFUSED 1 ERROR "--date '2026-02-30': Invalid date")
hopscope_cli_run(predict_date_not_iso ARGS predict ${refused} --solar S1 --date 8.12.2026
  REFUSED 1 ERROR "--date '8\\.12\\.2026': Invalid date")
hopscope_cli_run(predict_bad_k ARGS predict ${refused} --solar S1 --k 10
  REFUSED 1 ERROR "--k '10': Please enter a K index between 0 and 9")
hopscope_cli_run(predict_bad_latitude ARGS predict ${fixed} --a-lat 91 --a-lon 0 --b W1 --solar S1
  REFUSED 1 ERROR "--a-lat '91': Please enter a latitude between -90 and \\+90 degrees")
hopscope_cli_run(predict_bad_frequency ARGS predict ${refused} --solar S1 --freqs 7.1,2.9
  REFUSED 1 ERROR "Please enter a value between 3 and 30")
hopscope_cli_run(predict_duplicate_frequency ARGS predict ${refused} --solar S1 --freqs 7.1,7.10
  REFUSED 1 ERROR "7\\.10 MHz is a duplicate frequency")
hopscope_cli_run(predict_constants_count ARGS predict ${refused} --solar S1 --freqs 7.1 --constants 1,2
  REFUSED 1 ERROR "--constants: give one constant for each of the 1 frequencies")
hopscope_cli_run(predict_unknown_option ARGS predict ${refused} --solar S1 --colour
  REFUSED 2 ERROR "Unknown argument: --colour")
hopscope_cli_run(predict_two_time_zones ARGS predict ${refused} --solar S1 --utc --tz-offset +01:00
  REFUSED 2 ERROR "give only one of --utc, --local and --tz-offset")
hopscope_cli_run(predict_missing_data_dir ARGS predict --data-dir ${predict_empty}/nowhere --a G --b W1 --solar S1
  REFUSED 1 ERROR "the data directory \".*/nowhere\" does not exist")
# Every option is checked before the data folder is looked at.
foreach(bad "--tz-offset;+5:30;2;--tz-offset must be" "--min-angle;46;1;--min-angle '46'"
            "--noise;city;2;--noise must be" "--path;both-ways;2;--path must be"
            "--k;x;1;--k 'x'" "--solar;S999;1;--solar 'S999'")
  list(GET bad 0 option)
  list(GET bad 1 value)
  list(GET bad 2 status)
  list(GET bad 3 message)
  string(REPLACE "--" "" tag ${option})
  string(REPLACE "-" "_" tag ${tag})
  hopscope_cli_run(predict_${tag}_checked_before_files
    ARGS predict --data-dir ${predict_empty}/nowhere --a G --b W1 --solar S1 ${option} ${value}
    REFUSED ${status} ERROR "${message}")
endforeach()
hopscope_cli_run(predict_help ARGS predict --help EXPECT "usage: hopscope-cli predict")

# The report's date separator comes from the locale: run every prediction in the C locale.
get_property(all_tests DIRECTORY PROPERTY TESTS)
foreach(test_name ${all_tests})
  if(test_name MATCHES "^cli_predict_")
    set_tests_properties(${test_name} PROPERTIES ENVIRONMENT "LC_ALL=C")
  endif()
endforeach()
