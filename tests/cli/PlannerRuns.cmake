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
  EXPECT "^Planner from England [^\n]* for 03/21/2026, solar index S120.0, K average, short path, open at reliability 0.50 or more\n[^\n]*\n\nW1      Boston, Mass.       5265 km  288.3 deg  short path\n  7.1   ${strip48} [ 0-9]+\\.[05] h[^\n]*\n  14.1  ${strip48} [ 0-9]+\\.[05] h[^\n]*\n\nNo path to G \\(England\\): The path between the specified terminals is indeterminate\n$")
# The JSON shape: freqs, then rows with 48 reliabilities and signals per band.
hopscope_cli_run(planner_json
  ARGS planner ${planner_fixed} --a G --solar S120 --to VK --freqs 14.1 --path both --format json
  EXPECT "^\\{\"freqs\": \\[14.1\\],\n \"rows\": \\[\n  \\{\"prefix\": \"VK\", \"name\": \"Australia\", \"km\": 16983, \"bearing\": 65.6, \"path\": \"short\", \"bands\": \\[\n   \\{\"freq\": 14.1, \"reliability\": \\[[0-9.e-]+${rel47}\\], \"signal\": \\[[^]]*\\], \"open\": \\[(\"[0-9][0-9][03]0\"(, )?)*\\]\\}\\]\\},\n  \\{\"prefix\": \"VK\", [^\n]*\"path\": \"long\"")
# The whole built-in atlas: one CSV line per place and frequency after the header.
hopscope_cli_run(planner_csv_atlas
  ARGS planner ${planner_fixed} --a W1 --solar F150 --freqs 14.1 --format csv --threshold 0.9
  EXPECT "^prefix,name,path,km,bearing_deg,frequency_mhz,open_hours,longest_from,longest_to,r0000,[^\n]*,r2330\r?\n1A0,S.M.O. of Malta,short,[0-9]+,[0-9.]+,14.1,")
hopscope_cli_run(planner_refuses_terminal_b
  ARGS planner ${planner_fixed} --a G --b W1 --solar S120 REFUSED 2 ERROR "there is no terminal B")
hopscope_cli_run(planner_refuses_unknown_place
  ARGS planner ${planner_fixed} --a G --solar S120 --to W1,QQQQQ REFUSED 1 ERROR "--to 'QQQQQ': .*not found in atlas")
hopscope_cli_run(planner_refuses_threshold
  ARGS planner ${planner_fixed} --a G --solar S120 --threshold 1.5 REFUSED 2 ERROR "--threshold must be")
