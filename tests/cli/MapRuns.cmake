# Golden runs of "hopscope-cli map": pictures go to the build folder, the data folder
# is the build folder itself (no settings file, so no default terminal).
set(map_dir --data-dir ${CMAKE_CURRENT_BINARY_DIR})
set(map_centre --centre-lat 51.5 --centre-lon 0.1)
hopscope_cli_run(map_help ARGS map --help EXPECT "^usage: hopscope-cli map rect\\|gc")
hopscope_cli_run(map_gc_overlays ARGS map gc ${map_centre} ${map_dir} --date 2026-06-21
  --utc 1200 --night --grid --polar --b FN31 --out ${CMAKE_CURRENT_BINARY_DIR}/map_gc.png)
hopscope_cli_run(map_rect_locator_centre ARGS map rect --centre JN58 ${map_dir}
  --size 501 --out ${CMAKE_CURRENT_BINARY_DIR}/map_rect.png)
# Refused: no default terminal, a bad map name, a bad size, a path without B.
hopscope_cli_run(map_no_default_terminal ARGS map gc ${map_dir} --out ${CMAKE_CURRENT_BINARY_DIR}/x.png FAILS)
hopscope_cli_run(map_unknown_kind ARGS map mercator ${map_centre} ${map_dir} --out ${CMAKE_CURRENT_BINARY_DIR}/x.png FAILS)
hopscope_cli_run(map_bad_size ARGS map gc ${map_centre} ${map_dir} --size 20 --out ${CMAKE_CURRENT_BINARY_DIR}/x.png FAILS)
hopscope_cli_run(map_path_without_b ARGS map gc ${map_centre} ${map_dir} --a FN31 --out ${CMAKE_CURRENT_BINARY_DIR}/x.png FAILS)
hopscope_cli_run(map_no_out ARGS map gc ${map_centre} ${map_dir} FAILS)
