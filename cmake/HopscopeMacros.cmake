# hopscope_add_library(name [QT])
# One static library of every source file of the calling folder. Includes read from
# the project root ("engine/F2Layer.h"); a plain one (without QT) builds with
# -fno-math-errno. QT: a window folder, whose forms and resource
# files belong to it too and which runs moc, uic and rcc.
function(hopscope_add_library name)
  cmake_parse_arguments(ARG "QT" "" "" ${ARGN})
  set(patterns *.cpp *.h)
  if(ARG_QT)
    list(APPEND patterns *.ui *.qrc)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_QT)
    hopscope_use_qt(${name})
  else()
    # The plain layers do the arithmetic. None of them reads errno after a mathematical
    # function; without it the compiler takes a square root in one instruction and
    # works out a sine it has already worked out only once.
    target_compile_options(${name} PRIVATE -fno-math-errno)
  endif()
endfunction()

# hopscope_use_qt(target): moc, uic and rcc for a target that uses Qt.
function(hopscope_use_qt target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
endfunction()

# hopscope_add_gtest(name SOURCES a.cpp b.cpp LIBS hopscope_core ...)
# A GoogleTest program for a plain C++ layer, registered with CTest.
function(hopscope_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# hopscope_add_qttest(name SOURCES a.cpp LIBS hopscope_widgets ...)
# A Qt Test program for windows, run on the offscreen platform.
function(hopscope_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  hopscope_use_qt(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
