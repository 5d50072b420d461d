# SPDX-License-Identifier: GPL-3.0-or-later
# The one main of the Qt Test programs, and the ctest tests made from the
# classes each program registers. Included by the top folder, so that the
# tests of every folder (assets/ too) can use it.
add_library(voltaro_qt_test_main STATIC ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp
                                        ${CMAKE_CURRENT_LIST_DIR}/QtTestClasses.h
                                        ${CMAKE_CURRENT_LIST_DIR}/OffscreenScreens.cpp
                                        ${CMAKE_CURRENT_LIST_DIR}/OffscreenScreens.h)
target_include_directories(voltaro_qt_test_main PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(voltaro_qt_test_main PUBLIC Qt6::Widgets Qt6::Test)

set(VOLTARO_QT_TEST_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/QtTestClasses.cmake)

# voltaro_add_qt_tests(<program> PREFIX <name prefix> [LABELS ...] [TIMEOUT seconds])
# Adds one ctest test, "<prefix><Class>", for every class the program lists
# when ctest runs, headless and silent, like gtest_discover_tests does for
# GoogleTest programs. The program is linked with the one Qt Test main.
function(voltaro_add_qt_tests program)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX;TIMEOUT" "LABELS")
  target_link_libraries(${program} PRIVATE voltaro_qt_test_main)
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${program}_classes.cmake)
  file(GENERATE OUTPUT ${include_file} CONTENT
"set(program \"$<TARGET_FILE:${program}>\")
set(prefix \"${arg_PREFIX}\")
set(labels \"${arg_LABELS}\")
set(timeout \"${arg_TIMEOUT}\")
include(\"${VOLTARO_QT_TEST_SCRIPT}\")
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
