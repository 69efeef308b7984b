# Golden runs of "hopscope-cli freqmap". Each run names its date, time and solar
# index so the maps never depend on the day the tests run.
set(freqmap_europe --a-lat 50 --a-lon -10 --date 2026-12-21 --solar S100 --data-dir ${CMAKE_CURRENT_BINARY_DIR})

hopscope_cli_run(freqmap_help ARGS freqmap --help EXPECT "^usage: hopscope-cli freqmap")
# The settings' five frequencies, highest first; the 80° N band's middle cell lies on
# the station's meridian (longitudes west positive).
hopscope_cli_run(freqmap_json_low ARGS freqmap ${freqmap_europe} --utc 1200
  EXPECT "^\\{\"ssn\": 100, \"flux\": 150\\.[0-9]+, \"slots\": \\[\"28\\.3\", \"21\\.2\", \"14\\.1\", \"7\\.1\", \"3\\.6\"\\], \"cells\": \\[\\{\"band\": 1, \"index\": 1, \"centreLat\": 80, \"centreLon\": 110, \"muf\": [0-9.]+, \"class\": [1-6], \"label\": \"[^\"]+ MHz\"\\}, \\{\"band\": 1, \"index\": 2, \"centreLat\": 80, \"centreLon\": -10,")
# An empty list gives the built-in seven; the last class is "< 3.5".
hopscope_cli_run(freqmap_builtin_list ARGS freqmap ${freqmap_europe} --utc 0000 --freqs= --format csv
  EXPECT "^utc,band,index,centreLat,centreLon,muf,class,label\r?\n0000,1,1,80,110,[0-9.]+,[1-8],[0-9.< ]+ MHz\r?\n")
hopscope_cli_run(freqmap_high_last_cell ARGS freqmap ${freqmap_europe} --utc 0030 --res high --format csv
  EXPECT "\r?\n0030,37,3,-87\\.567567568,-130,[0-9.]+,[1-6],[0-9.< ]+ MHz\r?\n$")
hopscope_cli_run(freqmap_whole_day ARGS freqmap ${freqmap_europe} --utc all --format csv
  EXPECT "\r?\n0000,1,1,.*\r?\n2330,9,3,-80,-130,")
hopscope_cli_run(freqmap_centre_lon ARGS freqmap ${freqmap_europe} --utc 1200 --centre-lon 100
  EXPECT "\"band\": 1, \"index\": 2, \"centreLat\": 80, \"centreLon\": 100,")
hopscope_cli_run(freqmap_locator_station ARGS freqmap --a JO31 --date 2026-06-21 --utc 1200 --solar F150
  --freqs 14.1 --data-dir ${CMAKE_CURRENT_BINARY_DIR} EXPECT "\"slots\": \\[\"14\\.1\"\\]")

hopscope_cli_run(freqmap_bad_time ARGS freqmap ${freqmap_europe} --utc 2400
  REFUSED 1 ERROR "--utc '2400': Please enter a four-digit time")
hopscope_cli_run(freqmap_no_time ARGS freqmap ${freqmap_europe}
  REFUSED 2 ERROR "give the time of the map with --utc")
hopscope_cli_run(freqmap_bad_res ARGS freqmap ${freqmap_europe} --utc 1200 --res medium
  REFUSED 2 ERROR "--res must be low or high")
hopscope_cli_run(freqmap_bad_centre ARGS freqmap ${freqmap_europe} --utc 1200 --centre-lon 1Q
  REFUSED 1 ERROR "--centre-lon '1Q': Invalid syntax")
hopscope_cli_run(freqmap_bad_freq ARGS freqmap ${freqmap_europe} --utc 1200 --freqs 31.0
  REFUSED 1 ERROR "--freqs '31.0': Please enter a value between 3 and 30")
hopscope_cli_run(freqmap_unknown_option ARGS freqmap ${freqmap_europe} --utc 1200 --noise rural
  REFUSED 2 ERROR "Unknown argument: --noise")

# PNG: one file, or one per half hour into a folder.
hopscope_cli_run(freqmap_png ARGS freqmap ${freqmap_europe} --utc 1200 --format png --size 301
  --out ${CMAKE_CURRENT_BINARY_DIR}/freqmap-noon.png)
hopscope_cli_run(freqmap_png_needs_out ARGS freqmap ${freqmap_europe} --utc 1200 --format png
  REFUSED 2 ERROR "--format png needs --out FILE")
hopscope_cli_run(freqmap_png_bad_size ARGS freqmap ${freqmap_europe} --utc 1200 --format png --size 50
  --out ${CMAKE_CURRENT_BINARY_DIR}/x.png REFUSED 2 ERROR "--size must be a width from 101 to 8001")
# A folder as the output is refused with the reason; a device is written into, not
# replaced by a file.
hopscope_cli_run(freqmap_out_folder ARGS freqmap ${freqmap_europe} --utc 1200
  --out ${CMAKE_CURRENT_BINARY_DIR} REFUSED 1 ERROR "could not be written to '.*': Is a directory$")
add_test(NAME cli_freqmap_out_device
  COMMAND hopscope-cli freqmap ${freqmap_europe} --utc 1200 --format png --out /dev/null)
