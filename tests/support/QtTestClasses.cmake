# SPDX-License-Identifier: GPL-3.0-or-later
# Read by ctest: asks a Qt Test program for its classes and adds one test per
# class. Set by the caller: program, prefix, labels, timeout.
if(NOT EXISTS "${program}")
  get_filename_component(name "${program}" NAME)
  add_test("${prefix}${name}_NOT_BUILT" "${prefix}${name}_NOT_BUILT")
  return()
endif()
execute_process(COMMAND "${program}" --list-classes
  OUTPUT_VARIABLE classes ERROR_VARIABLE error RESULT_VARIABLE result TIMEOUT 60)
string(STRIP "${classes}" classes)
if(NOT result EQUAL 0 OR classes STREQUAL "")
  get_filename_component(name "${program}" NAME)
  message(WARNING "${program} --list-classes failed (${result}): ${error}")
  add_test("${prefix}${name}_LIST_FAILED" "${prefix}${name}_LIST_FAILED")
  return()
endif()
string(REPLACE "\n" ";" classes "${classes}")
foreach(class IN LISTS classes)
  add_test("${prefix}${class}" "${program}" "${class}")
  set_tests_properties("${prefix}${class}" PROPERTIES
    LABELS "${labels}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
  if(timeout)
    set_tests_properties("${prefix}${class}" PROPERTIES TIMEOUT "${timeout}")
  endif()
endforeach()
