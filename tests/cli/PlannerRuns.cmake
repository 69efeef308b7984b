# Runs of "hopscope-cli planner" on factory settings and the built-in atlas.
set(planner_empty ${CMAKE_CURRENT_BINARY_DIR}/planner-empty)
file(MAKE_DIRECTORY ${planner_empty})
set(planner_fixed --data-dir ${planner_empty} --date 2026-03-21 --date-order mdy --utc)
string(REPEAT "[A-Da-d.]" 48 strip48)
string(REPEAT ", [0-9.e-]+" 47 rel47)

# A strip per frequency, the open hours and the longest opening; the station itself is
# named as having no path.
hopscope_cli_run(planner_text
  ARGS planner ${planner_fixed} --a G --solar S120 --to W1,G --freqs 7.1,14.1
  EXPECT "^Planner from England [^\n]* for 03/21/2026, solar index S120.0, K average, short path, open at MUF probability 0.50 or more\n[^\n]*\n\nW1      Boston, Mass.       5265 km  288.3 deg  short path\n  7.1   ${strip48} [ 0-9]+\\.[05] h[^\n]*\n  14.1  ${strip48} [ 0-9]+\\.[05] h[^\n]*\n\nNo path to G \\(England\\): The path between the specified terminals is indeterminate\n$")
# The JSON shape: the header, freqs, then rows with 48 MUF probabilities, signals and
# S/N per band.
hopscope_cli_run(planner_json
  ARGS planner ${planner_fixed} --a G --solar S120 --to VK --freqs 14.1 --path both --format json
  EXPECT "^\\{\"header\": \\{\"engine\": \"classic\", \"station\": \"England\", [^\n]*\"value\": \"MUF probability \\(0..1\\)\", [^\n]*\\},\n \"freqs\": \\[14.1\\],\n \"rows\": \\[\n  \\{\"prefix\": \"VK\", \"name\": \"Australia\", \"km\": 16983, \"bearing\": 65.6, \"path\": \"short\", \"bands\": \\[\n   \\{\"freq\": 14.1, \"muf_probability\": \\[[0-9.e-]+${rel47}\\], \"signal\": \\[[^]]*\\], \"snr\": \\[[^]]*\\], \"open\": \\[(\"[0-9][0-9][03]0\"(, )?)*\\]\\}\\]\\},\n  \\{\"prefix\": \"VK\", [^\n]*\"path\": \"long\"")
# The whole built-in atlas: one CSV line per place and frequency after the header.
hopscope_cli_run(planner_csv_atlas
  ARGS planner ${planner_fixed} --a W1 --solar F150 --freqs 14.1 --format csv --threshold 0.9
  EXPECT "^# engine: classic\r?\n# station: Boston, Mass.\r?\n.*\nprefix,name,path,km,bearing_deg,frequency_mhz,open_hours,longest_from,longest_to,r0000,[^\n]*,r2330\r?\n1A0,S.M.O. of Malta,short,[0-9]+,[0-9.]+,14.1,")
hopscope_cli_run(planner_refuses_terminal_b
  ARGS planner ${planner_fixed} --a G --b W1 --solar S120 REFUSED 2 ERROR "there is no terminal B")
hopscope_cli_run(planner_refuses_unknown_place
  ARGS planner ${planner_fixed} --a G --solar S120 --to W1,QQQQQ REFUSED 1 ERROR "--to 'QQQQQ': .*not found in atlas")
hopscope_cli_run(planner_refuses_threshold
  ARGS planner ${planner_fixed} --a G --solar S120 --threshold 1.5 REFUSED 2 ERROR "--threshold must be")

# The P.533 engine: the station's options as predict takes them, a slot open at the
# required circuit reliability, the header naming the station and mode.
hopscope_cli_run(planner_p533_text
  ARGS planner ${planner_fixed} --a G --solar S80 --to W1 --freqs 14.1 --engine p533 --mode FT8 --power 5
  EXPECT "^Planner from England [^\n]*, solar index S80.0, P.533 engine, 5.0 W, antennas 0.0 dBi / 0.0 dBi, noise residential, 2500 Hz bandwidth, S/N -21.0 dB required, short path, open at circuit reliability 90 % or more\n")
hopscope_cli_run(planner_p533_json
  ARGS planner ${planner_fixed} --a G --solar S80 --to W1 --freqs 14.1 --engine p533 --format json
  EXPECT "^\\{\"header\": \\{\"engine\": \"p533\", [^\n]*\"r12\": \"80.0\", \"power_w\": \"100.0\"[^\n]*\\},\n \"freqs\": \\[14.1\\],\n \"rows\": \\[\n  \\{\"prefix\": \"W1\"[^\n]*\n   \\{\"freq\": 14.1, \"circuit_reliability\": \\[[^]]*\\], \"field\": \\[[^]]*\\], \"power\": \\[[^]]*\\], \"snr\": ")
hopscope_cli_run(planner_p533_threshold
  ARGS planner ${planner_fixed} --a G --solar S80 --to W1 --engine p533 --threshold 0.5
  REFUSED 2 ERROR "--threshold is the classic engine's")
