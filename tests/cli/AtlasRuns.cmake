# Golden runs of "hopscope-cli atlas". atlas-fresh has no atlas file: every look-up
# reads the same 371 built-in places (looking up creates no file). atlas-empty holds an empty atlas file.
set(atlas_fresh ${CMAKE_CURRENT_BINARY_DIR}/atlas-fresh)
set(atlas_empty ${CMAKE_CURRENT_BINARY_DIR}/atlas-empty)
file(REMOVE_RECURSE ${atlas_fresh})
file(MAKE_DIRECTORY ${atlas_fresh})
file(WRITE ${atlas_empty}/Hopscope.ATL "")

hopscope_cli_run(atlas_find_ve3 ARGS atlas find VE3 --data-dir ${atlas_fresh}
  EXPECT "Prefix: +VE3\nName: +Toronto, Ontario\nLatitude: +43 39  \\(43\\.6500 deg\\)\nLongitude: +79 23  \\(79\\.3833 deg\\)\n$")
hopscope_cli_run(atlas_find_upper_cases ARGS atlas find ve3 --data-dir ${atlas_fresh}
  EXPECT "Toronto, Ontario")
hopscope_cli_run(atlas_find_exact_only ARGS atlas find VE --data-dir ${atlas_fresh}
  EXPECT "Name: +Canada\n")
hopscope_cli_run(atlas_find_east_negative ARGS atlas find 3A --data-dir ${atlas_fresh}
  EXPECT "Monaco\nLatitude: +43\\.7  \\(43\\.7000 deg\\)\nLongitude: +-7\\.4  \\(-7\\.4000 deg\\)")
hopscope_cli_run(atlas_find_absent ARGS atlas find VE0 --data-dir ${atlas_fresh}
  REFUSED 1 ERROR "^hopscope-cli atlas: prefix VE0 is not in the atlas$")
hopscope_cli_run(atlas_find_invalid_prefix ARGS atlas find K7/ --data-dir ${atlas_fresh}
  REFUSED 1 ERROR "You have not entered a valid prefix")

hopscope_cli_run(atlas_list_by_prefix ARGS atlas list --data-dir ${atlas_fresh}
  EXPECT "^ 1A0      S\\.M\\.O\\. of Malta   \n 1S       Spratly Islands   \n.* ZS8      P\\.E\\. & Marion Is\\. \n$")
hopscope_cli_run(atlas_list_by_name ARGS atlas list --by-name --data-dir ${atlas_fresh}
  EXPECT "^ Adelaide, S\\.A\\.      VK5    \n.* Vietnam             3W     \n Vietnam             XV     \n")
hopscope_cli_run(atlas_list_empty ARGS atlas list --data-dir ${atlas_empty}
  REFUSED 1 ERROR "The atlas is empty")

hopscope_cli_run(atlas_search_v ARGS atlas search V --data-dir ${atlas_fresh} EXPECT "^ V2       Antigua & Barbuda \n$")
hopscope_cli_run(atlas_search_ve ARGS atlas search VE --data-dir ${atlas_fresh} EXPECT "^ VE       Canada")
hopscope_cli_run(atlas_search_ve3 ARGS atlas search ve3 --data-dir ${atlas_fresh} EXPECT "^ VE3      Toronto")
hopscope_cli_run(atlas_search_next_after_absent ARGS atlas search VE0 --data-dir ${atlas_fresh} EXPECT "^ VE1      Halifax")
hopscope_cli_run(atlas_search_past_the_end ARGS atlas search ZZ --data-dir ${atlas_fresh} EXPECT "^ ZS8      P\\.E\\.")
hopscope_cli_run(atlas_search_name_any_case ARGS atlas search vietnam --by-name --data-dir ${atlas_fresh}
  EXPECT "^ Vietnam             3W     \n Vietnam             XV     \n$")
# By name, every place whose name contains the text, never the nearest other name.
hopscope_cli_run(atlas_search_name_contains ARGS atlas search ontario --by-name --data-dir ${atlas_fresh}
  EXPECT "^( [^\n]*Ontario[^\n]*\n)+$")
hopscope_cli_run(atlas_search_name_none ARGS atlas search tokyo --by-name --data-dir ${atlas_fresh}
  REFUSED 1 ERROR "^hopscope-cli atlas: no name in the atlas contains 'tokyo'$")
hopscope_cli_run(atlas_search_empty ARGS atlas search VE --data-dir ${atlas_empty}
  REFUSED 1 ERROR "The atlas is empty")

hopscope_cli_run(atlas_help ARGS atlas --help EXPECT "usage: hopscope-cli atlas find PREFIX")
hopscope_cli_run(atlas_no_action ARGS atlas --data-dir ${atlas_fresh}
  REFUSED 2 ERROR "say find, list, search, add, modify or delete")
hopscope_cli_run(atlas_unknown_action ARGS atlas remove VE3 --data-dir ${atlas_fresh}
  REFUSED 2 ERROR "unknown atlas command 'remove'")
hopscope_cli_run(atlas_unknown_option ARGS atlas list --sorted --data-dir ${atlas_fresh}
  REFUSED 2 ERROR "Unknown argument: --sorted")
hopscope_cli_run(atlas_find_without_prefix ARGS atlas find --data-dir ${atlas_fresh}
  REFUSED 2 ERROR "find takes one text")
