# Golden runs of "hopscope-cli path". Dates are given so the sun times never depend
# on the day the tests run.
set(path_40n --a-lat 40 --a-lon 0 --b-lat 40 --b-lon 1 --date 2000-01-01)
set(path_empty ${CMAKE_CURRENT_BINARY_DIR}/path-empty)
file(MAKE_DIRECTORY ${path_empty})

hopscope_cli_run(path_help ARGS path --help EXPECT "^usage: hopscope-cli path")
hopscope_cli_run(path_one_degree_west ARGS path ${path_40n}
  EXPECT "Short path\n  Bearing at A: 270\\.3 deg  Bearing at B: 89\\.7 deg\n  Length: 85 km  46 nmi  53 mi\n")
hopscope_cli_run(path_one_degree_west_json ARGS path ${path_40n} --format json
  EXPECT "\"kind\": \"short\", \"bearingAtA\": 270\\.32139[0-9]*, \"bearingAtB\": 89\\.67860[0-9]*, \"length\": 0\\.0133699[0-9]*, \"lengthKm\": 85\\.18[0-9]*, \"isPolar\": false")
hopscope_cli_run(path_json_sun_texts ARGS path ${path_40n} --format json
  EXPECT "^\\{\"terminals\": \\[\\{\"latitudeDeg\": 40, \"longitudeDeg\": 0, \"sunrise\": \"0727 UTC\", \"sunset\": \"1640 UTC\", \"grayLineSunrise\": \" 31/211 deg\", \"grayLineSunset\": \"329/149 deg\"\\}")
hopscope_cli_run(path_locators_header_lines
  ARGS path --a FN31 --a-name "New York" --b jn58 --date 2002-06-15 --solar S100 --k 05
  EXPECT " TERMINAL A: 41\\.50 N  73\\.00 W  New York +Sunrise/Set: [0-9][0-9][0-9][0-9]/[0-9][0-9][0-9][0-9] UTC  Bearing to B: +[0-9.]+ deg\n TERMINAL B: 48\\.50 N  11\\.00 E  JN58 +Sunrise/Set: .*\n SSN: 100\\.0  Flux: 1[0-9][0-9]\\.[0-9]  K: 5 +Path Length: +6[0-9][0-9][0-9] km\n")
# A name cut to its 17 bytes on whole characters, and placed by characters.
hopscope_cli_run(path_japanese_name_cut_on_whole_characters
  ARGS path --a FN31 --a-name "東京都港区六本木" --b JN58 --date 2002-06-15
  EXPECT " TERMINAL A: 41\\.50 N  73\\.00 W  東京都港区              Sunrise/Set: ")
hopscope_cli_run(path_london_san_francisco_both_polar
  ARGS path --a-lat "51 30 N" --a-lon 0.1 --b-lat 37.8 --b-lon "122 24 W" --date 2002-06-15
  EXPECT "Short path \\(POLAR\\).*Long path \\(POLAR\\)")
hopscope_cli_run(path_north_pole_snapped ARGS path --a-lat 89.999 --a-lon 0 --b-lat 40 --b-lon 75 --date 2002-06-15
  EXPECT "Terminal A: 90\\.00 N .*\n  Sunrise: None  Sunset: None\n.*Short path.*\n  Bearing at A: 180\\.0 deg")
# Terminals as predict takes them: atlas prefixes and the settings' default terminal.
hopscope_cli_run(path_default_terminal_and_prefix
  ARGS path --data-dir ${CMAKE_SOURCE_DIR}/tests/settings/data/user --a default --b vk --date 2002-06-15
  EXPECT "^Terminal A: 51\\.50 N   0\\.12 W  London\n.*Terminal B: 35\\.28 S 149\\.13 E  Australia\n")
hopscope_cli_run(path_local_time ARGS path ${path_40n} --local EXPECT "Sunrise: [0-9][0-9][0-9][0-9] ULT")

# Refused: status 1 and the program's message for a value it refuses, status 2 and
# the usage text for options combined wrongly.
hopscope_cli_run(path_syntax_error ARGS path --a-lat "40 60" --a-lon 0 --b FN31
  REFUSED 1 ERROR "^hopscope-cli path: --a-lat '40 60': Invalid syntax")
hopscope_cli_run(path_latitude_out_of_range ARGS path --a-lat 91 --a-lon 0 --b FN31
  REFUSED 1 ERROR "--a-lat '91': Please enter a latitude between -90 and \\+90 degrees")
hopscope_cli_run(path_sign_and_letter ARGS path --a-lat "+40 N" --a-lon 0 --b FN31
  REFUSED 1 ERROR "--a-lat '\\+40 N': Invalid syntax")
hopscope_cli_run(path_bad_locator ARGS path --a QN3 --b JN58
  REFUSED 1 ERROR "--a 'QN3': QN3 not found in atlas and not a valid grid locator or callsign$")
hopscope_cli_run(path_unknown_prefix_with_data_dir ARGS path --a QZ9 --b G --data-dir ${path_empty}
  REFUSED 1 ERROR "--a 'QZ9': QZ9 not found in atlas")
hopscope_cli_run(path_default_undefined ARGS path --a DEFAULT --b G --data-dir ${path_empty}
  REFUSED 1 ERROR "--a 'DEFAULT': The default terminal is not available until it is defined")
set(indeterminate "The path between the specified terminals is indeterminate")
hopscope_cli_run(path_coincident_indeterminate ARGS path --a FN31 --b FN31
  REFUSED 1 ERROR "${indeterminate}")
hopscope_cli_run(path_antipodal_indeterminate ARGS path --a-lat 10 --a-lon 20 --b-lat -10 --b-lon -160
  REFUSED 1 ERROR "${indeterminate}")
hopscope_cli_run(path_two_poles_indeterminate ARGS path --a-lat 90 --a-lon 0 --b-lat "90 S" --b-lon 0
  REFUSED 1 ERROR "${indeterminate}")
hopscope_cli_run(path_bad_date ARGS path --a FN31 --b JN58 --date 2002-02-30
  REFUSED 1 ERROR "--date '2002-02-30': Invalid date")
hopscope_cli_run(path_bad_solar ARGS path --a FN31 --b JN58 --solar F59.9
  REFUSED 1 ERROR "--solar 'F59.9': Solar flux must be between 60 and 410")
hopscope_cli_run(path_bad_kindex ARGS path --a FN31 --b JN58 --k 10
  REFUSED 1 ERROR "--k '10': Please enter a K index between 0 and 9")
hopscope_cli_run(path_missing_terminal ARGS path --a FN31
  REFUSED 2 ERROR "terminal B is missing")
hopscope_cli_run(path_locator_and_coordinates ARGS path --a FN31 --a-lat 40 --b JN58
  REFUSED 2 ERROR "give terminal A either as --a PREFIX or as --a-lat and --a-lon")
hopscope_cli_run(path_unknown_option ARGS path --a FN31 --b JN58 --colour
  REFUSED 2 ERROR "Unknown argument: --colour")
hopscope_cli_run(path_unknown_format ARGS path --a FN31 --b JN58 --format xml
  REFUSED 2 ERROR "unknown format 'xml'")
# The options are checked before the data folder is looked at: a bad offset is
# reported even when the folder does not exist.
hopscope_cli_run(path_tz_offset_before_files ARGS path --a G --b W1 --tz-offset 5:30 --data-dir ${path_empty}/nowhere
  REFUSED 2 ERROR "--tz-offset must be \\+HH:MM or -HH:MM")
