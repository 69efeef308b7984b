# Runs of "hopscope-cli coverage". Each names its date, time and solar index so the
# maps never depend on the day the tests run; the 10° grid keeps them quick.
set(coverage_station --a-lat 85 --a-lon 175 --date 2026-12-21 --solar S100 --data-dir ${CMAKE_CURRENT_BINARY_DIR})

hopscope_cli_run(coverage_help ARGS coverage --help EXPECT "^usage: hopscope-cli coverage")
# The first cell (85 N 175 W) is the station's own: no path, so no mode and no signal.
hopscope_cli_run(coverage_json ARGS coverage ${coverage_station} --freq 14.1 --utc 1215 --grid 10
  EXPECT "^\\{\"freq\": 14\\.1, \"grid\": 10, \"slots\": \\[\"1200\"\\], \"cells\": \\[\\{\"lat\": 85, \"lon\": 175, \"slots\": \\[\\{\"muf\": [0-9.]+, \"mode\": \"\", \"signal\": null, \"snr\": null, \"reliability\": 0\\}\\]\\}, \\{\"lat\": 85, \"lon\": 165, \"slots\": \\[\\{\"muf\": [0-9.]+, \"mode\": \"[EF]+\", \"signal\": -?[0-9.]+, \"snr\": -?[0-9.]+, \"reliability\": [0-9.]+\\}\\]\\}")
hopscope_cli_run(coverage_csv_day ARGS coverage ${coverage_station} --freq 7.3 --utc all --grid 10 --format csv
  EXPECT "^utc,lat,lon,muf,mode,signal,snr,reliability,class\r?\n0000,85,175,[0-9.]+,,,,0,closed\r?\n.*\r?\n2330,-85,-175,[0-9.]+,[EF]*,")
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
