# Golden runs of "hopscope-cli path". Dates are given so the sun times never depend
# on the day the tests run.
set(path_40n --a-lat 40 --a-lon 0 --b-lat 40 --b-lon 1 --date 2000-01-01)

hopscope_cli_run(path_help ARGS path --help EXPECT "^usage: hopscope-cli path")
hopscope_cli_run(path_one_degree_west ARGS path ${path_40n}
  EXPECT "Short path\n  Bearing at A: 270\\.3 deg  Bearing at B: 89\\.7 deg\n  Length: 85 km  46 nmi  53 mi\n")
hopscope_cli_run(path_one_degree_west_json ARGS path ${path_40n} --format json
  EXPECT "\"kind\": \"short\", \"bearingAtA\": 270\\.32139[0-9]*, \"bearingAtB\": 89\\.67860[0-9]*, \"length\": 0\\.0133699[0-9]*, \"lengthKm\": 85\\.18[0-9]*, \"isPolar\": false")
hopscope_cli_run(path_json_sun_texts ARGS path ${path_40n} --format json
  EXPECT "^\\{\"terminals\": \\[\\{\"latitudeDeg\": 40, \"longitudeDeg\": 0, \"sunrise\": \"0727 UTC\", \"sunset\": \"1640 UTC\", \"grayLineSunrise\": \" 31/211 deg\", \"grayLineSunset\": \"329/149 deg\"\\}")
hopscope_cli_run(path_locators_header_lines
  ARGS path --a FN31 --a-name "New York" --b jn58 --date 2002-06-15 --solar S100 --k 05
  EXPECT " TERMINAL A: 41\\.50 N  73\\.00 W  New York +Sunrise/Set: [0-9][0-9][0-9][0-9]/[0-9][0-9][0-9][0-9] UTC  Bearing to B: +[0-9.]+ deg\n TERMINAL B: 48\\.50 N  11\\.00 E  +Sunrise/Set: .*\n SSN: 100\\.0  Flux: 1[0-9][0-9]\\.[0-9]  K: 5 +Path Length: +6[0-9][0-9][0-9] km\n")
# A name cut to its 17 bytes on whole characters, and placed by characters.
hopscope_cli_run(path_japanese_name_cut_on_whole_characters
  ARGS path --a FN31 --a-name "東京都港区六本木" --b JN58 --date 2002-06-15
  EXPECT " TERMINAL A: 41\\.50 N  73\\.00 W  東京都港区              Sunrise/Set: ")
hopscope_cli_run(path_london_san_francisco_both_polar
  ARGS path --a-lat "51 30 N" --a-lon 0.1 --b-lat 37.8 --b-lon "122 24 W" --date 2002-06-15
  EXPECT "Short path \\(POLAR\\).*Long path \\(POLAR\\)")
hopscope_cli_run(path_north_pole_snapped ARGS path --a-lat 89.999 --a-lon 0 --b-lat 40 --b-lon 75 --date 2002-06-15
  EXPECT "Terminal A: 90\\.00 N .*\n  Sunrise: None  Sunset: None\n.*Short path.*\n  Bearing at A: 180\\.0 deg")
hopscope_cli_run(path_local_time ARGS path ${path_40n} --local EXPECT "Sunrise: [0-9][0-9][0-9][0-9] ULT")

# Refused: the program's message on standard error and a non-zero exit status.
hopscope_cli_run(path_syntax_error ARGS path --a-lat "40 60" --a-lon 0 --b FN31 FAILS)
hopscope_cli_run(path_latitude_out_of_range ARGS path --a-lat 91 --a-lon 0 --b FN31 FAILS)
hopscope_cli_run(path_sign_and_letter ARGS path --a-lat "+40 N" --a-lon 0 --b FN31 FAILS)
hopscope_cli_run(path_bad_locator ARGS path --a FN3 --b JN58 FAILS)
hopscope_cli_run(path_coincident_indeterminate ARGS path --a FN31 --b FN31 FAILS)
hopscope_cli_run(path_antipodal_indeterminate ARGS path --a-lat 10 --a-lon 20 --b-lat -10 --b-lon -160 FAILS)
hopscope_cli_run(path_two_poles_indeterminate ARGS path --a-lat 90 --a-lon 0 --b-lat "90 S" --b-lon 0 FAILS)
hopscope_cli_run(path_bad_date ARGS path --a FN31 --b JN58 --date 2002-02-30 FAILS)
hopscope_cli_run(path_bad_solar ARGS path --a FN31 --b JN58 --solar F59.9 FAILS)
hopscope_cli_run(path_bad_kindex ARGS path --a FN31 --b JN58 --k 10 FAILS)
hopscope_cli_run(path_missing_terminal ARGS path --a FN31 FAILS)
hopscope_cli_run(path_locator_and_coordinates ARGS path --a FN31 --a-lat 40 --b JN58 FAILS)
hopscope_cli_run(path_unknown_option ARGS path --a FN31 --b JN58 --colour FAILS)
hopscope_cli_run(path_unknown_format ARGS path --a FN31 --b JN58 --format xml FAILS)
