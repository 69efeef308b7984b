# Runs of "hopscope-cli coverage". Each names its date, time and solar index so the
# maps never depend on the day the tests run; the 10° grid keeps them quick.
set(coverage_station --a-lat 85 --a-lon 175 --date 2026-12-21 --solar S100 --data-dir ${CMAKE_CURRENT_BINARY_DIR})

hopscope_cli_run(coverage_help ARGS coverage --help EXPECT "^usage: hopscope-cli coverage")
# The first cell (85 N 175 W) is the station's own: no path, so no mode and no signal.
hopscope_cli_run(coverage_json ARGS coverage ${coverage_station} --freq 14.1 --utc 1215 --grid 10
  EXPECT "^\\{\"header\": \\{\"engine\": \"classic\", [^\n]*\"date\": \"2026-12-21\", \"solar_index\": \"S100.0\", [^\n]*\\},\n \"freq\": 14\\.1, \"grid\": 10, \"slots\": \\[\"1200\"\\], \"cells\": \\[\\{\"lat\": 85, \"lon\": 175, \"slots\": \\[\\{\"muf\": [0-9.]+, \"mode\": \"\", \"signal\": null, \"snr\": null, \"muf_probability\": 0, \"class\": \"closed\"\\}\\]\\}, \\{\"lat\": 85, \"lon\": 165, \"slots\": \\[\\{\"muf\": [0-9.]+, \"mode\": \"[EF]+\", \"signal\": -?[0-9.]+, \"snr\": -?[0-9.]+, \"muf_probability\": [0-9.]+, \"class\": \"[A-Dclosed]+\"\\}\\]\\}")
hopscope_cli_run(coverage_csv_day ARGS coverage ${coverage_station} --freq 7.3 --utc all --grid 10 --format csv
  EXPECT "^# engine: classic\r?\n.*\nutc,lat,lon,muf,mode,signal,snr,muf_probability,class\r?\n0000,85,175,[0-9.]+,,,,0,closed\r?\n.*\r?\n2330,-85,-175,[0-9.]+,[EF]*,")
hopscope_cli_run(coverage_bad_grid ARGS coverage ${coverage_station} --freq 14.1 --utc 1200 --grid 11
  REFUSED 2 ERROR "--grid must be a whole number of degrees from 1 to 10")
hopscope_cli_run(coverage_bad_freq ARGS coverage ${coverage_station} --freq 31 --utc 1200
  REFUSED 1 ERROR "--freq '31': a frequency from 3.0 to 30.0 MHz")
hopscope_cli_run(coverage_no_freq ARGS coverage ${coverage_station} --utc 1200
  REFUSED 2 ERROR "give the frequency with --freq")
hopscope_cli_run(coverage_bad_time ARGS coverage ${coverage_station} --freq 14.1 --utc 2400
  REFUSED 1 ERROR "--utc '2400': a time HHMM")
hopscope_cli_run(coverage_bad_kind ARGS coverage ${coverage_station} --freq 14.1 --utc 1200 --kind polar
  REFUSED 2 ERROR "--kind must be rect or gc")
hopscope_cli_run(coverage_png_gc ARGS coverage ${coverage_station} --freq 14.1 --utc 1200 --grid 10
  --format png --kind gc --show snr --size 301 --out ${CMAKE_CURRENT_BINARY_DIR}/coverage-gc.png)
hopscope_cli_run(coverage_png_needs_out ARGS coverage ${coverage_station} --freq 14.1 --utc 1200 --format png
  REFUSED 2 ERROR "--format png needs --out FILE")

# The P.533 engine: the day by whole hours, the chosen fields, the station options.
hopscope_cli_run(coverage_p533_day ARGS coverage ${coverage_station} --freq 14.1 --utc all --grid 10
  --format csv --engine p533 --mode FT8 --fields muf,circuit_reliability
  EXPECT "\n# bandwidth_hz: 2500\r?\n# required_snr_db: -21.0\r?\n.*\nutc,lat,lon,muf,circuit_reliability\r?\n0000,85,175,0,0\r?\n.*\r?\n2300,-85,-175,[0-9.]+,[0-9.]+\r?\n$")
hopscope_cli_run(coverage_p533_no_k ARGS coverage ${coverage_station} --freq 14.1 --utc 1200 --engine p533 --k 2
  REFUSED 2 ERROR "--k has no meaning for the P.533 engine")
hopscope_cli_run(coverage_p533_bad_field ARGS coverage ${coverage_station} --freq 14.1 --utc 1200 --engine p533 --fields signal
  REFUSED 2 ERROR "--fields: 'signal' is no field of the P.533 engine's coverage")
hopscope_cli_run(coverage_bad_engine ARGS coverage ${coverage_station} --freq 14.1 --utc 1200 --engine voacap
  REFUSED 2 ERROR "--engine must be classic or p533")
