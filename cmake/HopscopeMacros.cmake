# hopscope_add_gtest(name SOURCES a.cpp b.cpp LIBS hopscope_core ...)
# A GoogleTest program for a plain C++ layer, registered with CTest.
function(hopscope_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# hopscope_add_qttest(name SOURCES a.cpp LIBS hopscope_widgets ...)
# A Qt Test program for windows, run on the offscreen platform.
function(hopscope_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
