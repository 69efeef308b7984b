# Callsigns and prefixes the atlas lacks, placed by the country file build/share/hopscope/
# cty.dat (atlas/CountryFile.h); standard error says what matched.
set(calls_fresh ${CMAKE_CURRENT_BINARY_DIR}/calls-fresh)
set(calls_damaged ${CMAKE_CURRENT_BINARY_DIR}/calls-damaged)
file(MAKE_DIRECTORY ${calls_fresh})
file(WRITE ${calls_damaged}/cty.dat "Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n    DL,\n")

hopscope_cli_run(calls_note ARGS path --a DL1ABC --b VK2XYZ/P --data-dir ${calls_fresh}
  EXPECT "hopscope-cli: --a DL1ABC [^ ]+ Fed\\. Rep\\. of Germany \\(DL\\)")
hopscope_cli_run(calls_suffix_note ARGS path --a DL1ABC --b VK2XYZ/P --data-dir ${calls_fresh}
  EXPECT "hopscope-cli: --b VK2XYZ/P [^ ]+ Australia \\(VK\\)")
hopscope_cli_run(calls_place ARGS path --a dl1abc --b JA1 --data-dir ${calls_fresh}
  EXPECT "Terminal A: 51\\.00 N  10\\.00 E  DL1ABC")
hopscope_cli_run(calls_prefix_named_by_country ARGS path --a G --b ZS6 --data-dir ${calls_fresh}
  EXPECT "Terminal B: 29\\.07 S  22\\.63 E  South Africa")
hopscope_cli_run(calls_unknown ARGS predict --a Q1ABC --b G --solar F150 --data-dir ${calls_fresh}
  REFUSED 1 ERROR "Q1ABC not found in atlas and not a valid grid locator or callsign")
hopscope_cli_run(calls_damaged_user_file ARGS path --a DL1ABC --b G --data-dir ${calls_damaged}
  EXPECT "calls-damaged/cty\\.dat, line 2: the list of Germany does not end with \";\" \\(.*share/hopscope/cty\\.dat used instead\\)")
