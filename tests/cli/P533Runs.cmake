# Runs of "hopscope-cli predict --engine p533" (tests/golden holds whole outputs of it).
set(p533_empty ${CMAKE_CURRENT_BINARY_DIR}/p533-empty)
file(MAKE_DIRECTORY ${p533_empty})
set(p533_base --data-dir ${p533_empty} --a G --b W2)
set(p533_fixed ${p533_base} --date 2026-03-15)
set(p533_data ${CMAKE_SOURCE_DIR}/tests/p533/data)

# The JSON shape: the engine, the path, per hour 1..24 the MUFs and per frequency the
# mode and its values; a frequency far above the MUF has no mode and nulls.
hopscope_cli_run(predict_p533_json
  ARGS predict --engine p533 ${p533_fixed} --solar S80 --freqs 7.1,29.9 --path long --format json
  EXPECT "^\\{\"engine\": \"p533\", \"path\": \"long\", \"hours\": \\[\n  \\{\"utc\": 1, \"muf\": [0-9.]+, \"opmuf\": [0-9.]+, \"opmuf10\": [0-9.]+, \"opmuf90\": [0-9.]+, \"freqs\": \\[\\{\"freq\": 7\\.1, \"mode\": \"[0-9]+F2\", \"elevation\": [0-9.]+, \"field\": -?[0-9.]+, \"power\": -[0-9.]+, \"noise\": -[0-9.]+, \"snr\": -?[0-9.]+, \"snrxx\": -?[0-9.]+, \"bcr\": [0-9.]+\\}, \\{\"freq\": 29\\.9,.*\\{\"utc\": 24, .*\\]\\}\n\\]\\}\n$")
# 3 MHz to Australia in June: the long model's field is below anything receivable.
hopscope_cli_run(predict_p533_no_mode
  ARGS predict --engine p533 --data-dir ${p533_empty} --a G --b VK --date 2026-06-15 --solar S150
       --freqs 3.0 --format json
  EXPECT "\"freqs\": \\[\\{\"freq\": 3, \"mode\": \"\", \"elevation\": null, \"field\": null, \"power\": null, \"noise\": -[0-9.]+, \"snr\": null, \"snrxx\": null, \"bcr\": null\\}\\]")
hopscope_cli_run(predict_p533_csv
  ARGS predict --engine p533 ${p533_fixed} --solar S80 --freqs 14.1 --format csv
  EXPECT "^path,utc,muf_mhz,opmuf_mhz,opmuf10_mhz,opmuf90_mhz,freq_mhz,mode,elevation_deg,field_dbu,power_dbw,noise_dbw,snr_db,snrxx_db,bcr_pct\r?\nshort,1,[0-9.]+,[0-9.]+,[0-9.]+,[0-9.]+,14\\.1,[0-9]*[EF]2?,.*\r?\nshort,24,")
# A flux is converted as the classic engine converts it; the header names both.
hopscope_cli_run(predict_p533_flux
  ARGS predict --engine p533 ${p533_base} --solar F150 --month 7
  EXPECT "^ITU-R P\\.533 short-path prediction for July 2026, R12 [0-9]+\\.[0-9] \\(F150\\.0\\)\n")

hopscope_cli_run(predict_p533_unknown_engine ARGS predict --engine ioncap ${p533_fixed} --solar S80
  REFUSED 2 ERROR "--engine must be classic or p533")
hopscope_cli_run(predict_p533_both_paths ARGS predict --engine p533 ${p533_fixed} --solar S80 --path both
  REFUSED 2 ERROR "--path short or long")
hopscope_cli_run(predict_p533_k_index ARGS predict --engine p533 ${p533_fixed} --solar S80 --k 3
  REFUSED 2 ERROR "--k has no meaning for the P\\.533 engine")
hopscope_cli_run(predict_p533_gain_and_pattern
  ARGS predict --engine p533 ${p533_fixed} --solar S80 --tx-gain 3 --tx-antenna ${p533_data}/201-6_0.T13
  REFUSED 2 ERROR "give --tx-gain or --tx-antenna, not both")
hopscope_cli_run(predict_p533_sunspots ARGS predict --engine p533 ${p533_fixed} --solar S350
  REFUSED 1 ERROR "sunspot numbers of 0 to 311")
hopscope_cli_run(predict_p533_missing_pattern
  ARGS predict --engine p533 ${p533_fixed} --solar S80 --rx-antenna /nonexistent/ant.13
  REFUSED 1 ERROR "--rx-antenna: /nonexistent/ant\\.13: ")
hopscope_cli_run(predict_p533_damaged_pattern
  ARGS predict --engine p533 ${p533_fixed} --solar S80 --rx-antenna ${p533_data}/1-5-85_inputs.csv
  REFUSED 1 ERROR "1-5-85_inputs\\.csv: line 2: ")
hopscope_cli_run(predict_p533_noise ARGS predict --engine p533 ${p533_fixed} --solar S80 --noise loud
  REFUSED 1 ERROR "--noise 'loud': city, residential")
hopscope_cli_run(predict_p533_month ARGS predict --engine p533 ${p533_fixed} --solar S80 --month 7
  REFUSED 2 ERROR "give --date or --month, not both")
hopscope_cli_run(predict_p533_reliability
  ARGS predict --engine p533 ${p533_fixed} --solar S80 --reliability-required 100
  REFUSED 1 ERROR "--reliability-required '100': a number from 1 to 99 %")
