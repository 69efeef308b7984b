# Runs of "hopscope-cli atlas add|modify|delete" on one atlas, in order: a setup run
# starts from no atlas file (the first edit creates the 371 built-in places), and each
# run depends on the one before it.
set(atlas_edits ${CMAKE_CURRENT_BINARY_DIR}/atlas-edits)
add_test(NAME cli_atlas_edit_setup
  COMMAND sh -c "rm -rf '${atlas_edits}' && mkdir -p '${atlas_edits}'")
set_tests_properties(cli_atlas_edit_setup PROPERTIES FIXTURES_SETUP atlas_edits)

set(previous cli_atlas_edit_setup)
# atlas_edit(name ARGS ... EXPECT regex | REFUSED status ERROR regex)
function(atlas_edit name)
  hopscope_cli_run(${name} ${ARGN})
  set_tests_properties(cli_${name} PROPERTIES FIXTURES_REQUIRED atlas_edits DEPENDS ${previous})
  set(previous cli_${name} PARENT_SCOPE)
endfunction()

atlas_edit(atlas_add_k ARGS atlas add --prefix k --lat "40 00" --lon 100 --name Kansas
  --data-dir ${atlas_edits} EXPECT "^K entry added to atlas\n$")
atlas_edit(atlas_add_k_is_found ARGS atlas list --data-dir ${atlas_edits}
  EXPECT " JY [^\n]*\n K        Kansas            \n KC4 ")
atlas_edit(atlas_add_in_use ARGS atlas add --prefix VE3 --lat 1 --lon 1 --name x
  --data-dir ${atlas_edits} REFUSED 1 ERROR "^hopscope-cli atlas: Prefix VE3 is in use by another entry$")
atlas_edit(atlas_add_locator ARGS atlas add --prefix FN31 --lat 41.5 --lon 73 --name Grid
  --data-dir ${atlas_edits} REFUSED 1 ERROR "Prefix FN31 is also a valid grid locator\\. OK\\? \\(give --allow-locator")
atlas_edit(atlas_add_locator_allowed ARGS atlas add --prefix FN31 --lat 41.5 --lon 73 --name Grid
  --allow-locator --data-dir ${atlas_edits} EXPECT "^FN31 entry added to atlas\n$")
atlas_edit(atlas_add_bad_latitude ARGS atlas add --prefix Q1 --lat 91 --lon 1 --name x
  --data-dir ${atlas_edits} REFUSED 1 ERROR "Please enter a latitude between -90 and \\+90 degrees\\.")
atlas_edit(atlas_add_needs_a_name ARGS atlas add --prefix Q1 --lat 1 --lon 1 --name " "
  --data-dir ${atlas_edits} REFUSED 1 ERROR "A Name is required")
atlas_edit(atlas_add_without_name ARGS atlas add --prefix Q1 --lat 1 --lon 1
  --data-dir ${atlas_edits} REFUSED 2 ERROR "add needs --prefix, --lat, --lon and --name")
atlas_edit(atlas_modify_to_taken ARGS atlas modify K --prefix W --data-dir ${atlas_edits}
  REFUSED 1 ERROR "Prefix W is in use by another entry")
atlas_edit(atlas_modify_k ARGS atlas modify K --name "Topeka, Kansas" --lat "39 03 N"
  --data-dir ${atlas_edits} EXPECT "^Atlas modified\n$")
atlas_edit(atlas_modify_k_shows ARGS atlas find K --data-dir ${atlas_edits}
  EXPECT "Name: +Topeka, Kansas\nLatitude: +39 03 N  \\(39\\.0500 deg\\)\nLongitude: +100 ")
atlas_edit(atlas_modify_absent ARGS atlas modify VE0 --name x --data-dir ${atlas_edits}
  REFUSED 1 ERROR "Prefix VE0 not found in atlas")
atlas_edit(atlas_delete_k ARGS atlas delete K --data-dir ${atlas_edits}
  EXPECT "^K entry deleted from atlas\n$")
atlas_edit(atlas_delete_absent ARGS atlas delete K --data-dir ${atlas_edits}
  REFUSED 1 ERROR "^hopscope-cli atlas: Prefix K not found in atlas$")
atlas_edit(atlas_delete_extra_option ARGS atlas delete W --name x --data-dir ${atlas_edits}
  REFUSED 2 ERROR "delete takes only the prefix")
# A control character in a name would act on the terminal where it is printed.
atlas_edit(atlas_add_control_character ARGS atlas add --prefix Q1 --lat 1 --lon 1
  --name "Home\tTab" --data-dir ${atlas_edits}
  REFUSED 1 ERROR "A Name cannot hold control characters")

# A data folder with only the legacy atlas QKT.ATL: read by every command, and never
# shadowed by an atlas file made while it cannot be read.
add_test(NAME cli_atlas_legacy_only COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/legacy-atlas.sh
  $<TARGET_FILE:hopscope-cli> ${CMAKE_SOURCE_DIR}/tests)
