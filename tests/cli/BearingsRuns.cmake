# Runs of "hopscope-cli bearings". Without an atlas file the built-in places are used;
# bearings-empty holds an empty atlas. (CMake expressions have no {n} counts.)
set(bearings_dir ${CMAKE_CURRENT_BINARY_DIR}/bearings-data)
set(bearings_empty ${CMAKE_CURRENT_BINARY_DIR}/bearings-empty)
file(MAKE_DIRECTORY ${bearings_dir})
file(WRITE ${bearings_empty}/Hopscope.ATL "")
string(ASCII 12 form_feed)

hopscope_cli_run(bearings_text_from_ve3 ARGS bearings --from ve3 --data-dir ${bearings_dir}
  EXPECT "^\r\n +Hopscope\r\n +SHORT-PATH GREAT CIRCLE BEARINGS\r\n +From Toronto, Ontario  43\\.65 N  79\\.38 W\r\n.*\r\n              PREFIX LOCATION          DEG          PREFIX[^\r]*\r\n              1A0    S\\.M\\.O\\. of Malta    56          9M2 ")
hopscope_cli_run(bearings_text_pages ARGS bearings --from-lat "43 39" --from-lon "79 23" --page-width 80 --page-lines 40
  --data-dir ${bearings_dir} EXPECT "^\r\n +Hopscope\r\n +SHORT-PATH GREAT CIRCLE BEARINGS\r\n +From 43\\.65 N  79\\.38 W\r\n.*\r\n${form_feed}\r\n +Hopscope")
hopscope_cli_run(bearings_csv_from_north_pole ARGS bearings --from-lat 90 --from-lon 0 --format csv
  --data-dir ${bearings_dir}
  EXPECT "^prefix,name,latitude,longitude,bearing,long_bearing,km,miles\r\n1A0,S\\.M\\.O\\. of Malta,41\\.9000,-12\\.4833,348,168,5349,3324\r\n")
hopscope_cli_run(bearings_csv_at_the_point_itself ARGS bearings --from VE3 --format csv
  --data-dir ${bearings_dir} EXPECT "\r\nVE3,\"Toronto, Ontario\",43\\.6500,79\\.3833,,,0,0\r\n")
hopscope_cli_run(bearings_json_by_name ARGS bearings --from FN31 --from-name "My shack" --format json --sort name
  --data-dir ${bearings_dir}
  EXPECT "^\\{\"from\":\\{\"name\":\"My shack\",\"latitude\":41\\.5000,\"longitude\":73\\.0000\\},\"bearings\":\\[\r\n\\{\"prefix\":\"VK5\",\"name\":\"Adelaide, S\\.A\\.\",[^}]*\"bearing\":275,\"long_bearing\":95,")
hopscope_cli_run(bearings_page_too_small ARGS bearings --from VE3 --page-width 20 --data-dir ${bearings_dir}
  REFUSED 1 ERROR "^hopscope-cli bearings: The page is too small for the bearings table$")
hopscope_cli_run(bearings_unknown_place ARGS bearings --from QX9Q --data-dir ${bearings_dir}
  REFUSED 1 ERROR "--from 'QX9Q': QX9Q not found in atlas")
hopscope_cli_run(bearings_bad_latitude ARGS bearings --from-lat 91 --from-lon 0 --data-dir ${bearings_dir}
  REFUSED 1 ERROR "--from-lat '91': Please enter a latitude between")
hopscope_cli_run(bearings_no_default ARGS bearings --from DEFAULT --data-dir ${bearings_dir}
  REFUSED 1 ERROR "default terminal is not available")
hopscope_cli_run(bearings_empty_atlas ARGS bearings --from FN31 --data-dir ${bearings_empty}
  REFUSED 1 ERROR "The atlas is empty")
hopscope_cli_run(bearings_without_point ARGS bearings --data-dir ${bearings_dir}
  REFUSED 2 ERROR "say where from")
hopscope_cli_run(bearings_point_twice ARGS bearings --from VE3 --from-lat 1 --from-lon 1
  --data-dir ${bearings_dir} REFUSED 2 ERROR "either as --from or as --from-lat")
hopscope_cli_run(bearings_bad_sort ARGS bearings --from VE3 --sort size --data-dir ${bearings_dir}
  REFUSED 2 ERROR "--sort must be prefix or name")
hopscope_cli_run(bearings_help ARGS bearings --help EXPECT "usage: hopscope-cli bearings --from")
