# Golden runs of "hopscope-cli graph" and of the hops list of "hopscope-cli predict".
# The pictures go to the build folder; a run that writes one passes by its exit status.
set(graph_empty ${CMAKE_CURRENT_BINARY_DIR}/graph-empty)
set(graph_out ${CMAKE_CURRENT_BINARY_DIR}/graph-out)
file(MAKE_DIRECTORY ${graph_empty} ${graph_out})
set(graph_fixed --data-dir ${graph_empty} --date 2026-12-08 --date-order mdy --a G --b VK --solar F150)

hopscope_cli_run(graph_muf_png ARGS graph muf ${graph_fixed} --out ${graph_out}/muf.png)
hopscope_cli_run(graph_signals_svg
  ARGS graph signals ${graph_fixed} --snr --path long --size 900x700 --out ${graph_out}/signals.svg)
hopscope_cli_run(graph_muf_pdf
  ARGS graph muf ${graph_fixed} --tz-offset +05:30 --out ${graph_out}/muf.pdf)
# Refusals: what is wrong is named, with the usage text for a usage error.
hopscope_cli_run(graph_kind_missing ARGS graph ${graph_fixed} --out ${graph_out}/x.png
  REFUSED 2 ERROR "the first argument must be muf or signals")
hopscope_cli_run(graph_bad_extension ARGS graph muf ${graph_fixed} --out ${graph_out}/x.jpg
  REFUSED 2 ERROR "--out must name a \\.png, \\.svg or \\.pdf file")
hopscope_cli_run(graph_bad_size ARGS graph muf ${graph_fixed} --size 10x10 --out ${graph_out}/x.png
  REFUSED 2 ERROR "--size must be WIDTHxHEIGHT, each 200 to 10000")
hopscope_cli_run(graph_no_out ARGS graph signals ${graph_fixed} REFUSED 2 ERROR "--out FILE is needed")
hopscope_cli_run(graph_both_paths ARGS graph muf ${graph_fixed} --path both --out ${graph_out}/x.png
  REFUSED 2 ERROR "--path must be short or long")
hopscope_cli_run(graph_unwritable
  ARGS graph muf ${graph_fixed} --out ${graph_out}/no-such-folder/x.png
  REFUSED 1 ERROR "hopscope-cli graph: .*no-such-folder")

# The hops list: caption, column header, lines with the hop configuration, footer.
string(REPEAT " " 22 pad22)
hopscope_cli_run(predict_hops_by_time
  ARGS predict ${graph_fixed} --path short --format hops
  EXPECT "^\r?\n${pad22}Hopscope Short-Path Prediction \\(Advanced\\) for 12/08/2026\r?\n\r?\n TERMINAL A:.*\r?\n\r?\n UTC    MUF  Freq  Sig dB  S/N dB  Avail  Angle  Hop Configuration\r?\n 0530  17\\.2  21\\.2     11      30    0\\.11     3   F-F-F-F-F\r?\n\r?\n 0600 .*\r?\n\r?\n Line not shown if signal level below -10 dB or if predicted availability is zero\r?\n$")
hopscope_cli_run(predict_hops_by_frequency
  ARGS predict ${graph_fixed} --path short --format hops --group frequency --freqs 14.1
  EXPECT "Hop Configuration\r?\n 0830  30\\.8  14\\.1 [^\r\n]*\r?\n 0900  30\\.7  14\\.1 ")
hopscope_cli_run(predict_bad_group ARGS predict ${graph_fixed} --format hops --group day
  REFUSED 2 ERROR "--group must be time or frequency")
