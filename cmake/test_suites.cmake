# Lists the test suites of a GoogleTest program and writes a CTest file with one test per suite:
# every test of the program runs, but each suite starts the program once instead of each test,
# which is most of the run time of the GUI tests (a Qt application and the sanitizers' start-up).
# Run after each link with -D PROGRAM=... -D PREFIX=... -D OUTPUT=... [-D ENVIRONMENT=VAR=value;...];
# the tests are named PREFIX:Suite.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
                        ${PROGRAM} --gtest_list_tests
                RESULT_VARIABLE result OUTPUT_VARIABLE listing ERROR_VARIABLE errors
                TIMEOUT 60)
if(NOT result EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${result}):\n${listing}${errors}")
endif()
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suites)
set(suite "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE " *#.*$" "" line "${line}")
  if(line MATCHES "^([^ ].*)\\.$")
    set(suite ${CMAKE_MATCH_1})
  elseif(line MATCHES "^  ([^ ]+)$" AND NOT suite STREQUAL "")
    list(APPEND suites ${suite})
    if(NOT CMAKE_MATCH_1 MATCHES "^DISABLED_" AND NOT suite MATCHES "^DISABLED_")
      set(enabled_${suite} 1)
    endif()
  endif()
endforeach()
list(REMOVE_DUPLICATES suites)
get_filename_component(working_directory ${PROGRAM} DIRECTORY)
set(script "")
foreach(suite IN LISTS suites)
  set(name ${PREFIX}:${suite})
  string(APPEND script "add_test([=[${name}]=] [==[${PROGRAM}]==] [==[--gtest_filter=${suite}.*]==])\n")
  string(APPEND script "set_tests_properties([=[${name}]=] PROPERTIES WORKING_DIRECTORY "
                       "[==[${working_directory}]==] ENVIRONMENT [==[${ENVIRONMENT}]==])\n")
  if(NOT enabled_${suite})
    # Only pictures and other tests run by hand: listed, never run.
    string(APPEND script "set_tests_properties([=[${name}]=] PROPERTIES DISABLED TRUE)\n")
  endif()
endforeach()
file(WRITE ${OUTPUT} "${script}")
