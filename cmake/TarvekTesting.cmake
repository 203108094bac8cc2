# Helpers for registering tests. One executable per unit, all run by CTest.

# tarvek_add_gtest(NAME SOURCES ... LIBS ... [WIDGET])
# Every test links the shared test support (tests/support). WIDGET tests get
# a QApplication from there and run offscreen; on Windows they run on the
# system's own platform, whose fonts the caption checks need.
function(tarvek_add_gtest name)
  cmake_parse_arguments(ARG "WIDGET" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tarvek_test_support GTest::gtest)
  if(ARG_WIDGET)
    target_link_libraries(${name} PRIVATE tarvek_widget_test_support)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set(env "LC_ALL=C.UTF-8")
  if(ARG_WIDGET AND NOT WIN32)
    list(APPEND env "QT_QPA_PLATFORM=offscreen" "ASAN_OPTIONS=detect_leaks=0")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

# tarvek_add_fuzzer(NAME SOURCE file LIBS ... [SECONDS n])
# The SOURCE defines LLVMFuzzerTestOneInput. Its seed corpus (fuzz/corpus/)
# and dictionary (fuzz/*.dict) sit beside it. With TARVEK_FUZZ on a clang
# build it becomes a libFuzzer binary run for a bounded time from that corpus
# with that dictionary; what it finds goes to a corpus folder in the build tree,
# never into the sources (scripts/fuzz.sh merges finds back). Otherwise it is
# linked with a replay driver that feeds it every corpus file, each prefix of
# them, and a fixed number of pseudo-random inputs, so the same target runs in
# every build. Only the libFuzzer runs carry the label `fuzz`: the replays are
# ordinary tests, so that the sanitizer suite, which leaves the label out,
# still replays every target's corpus.
if(TARVEK_FUZZ AND NOT TARGET fuzzers)
  add_custom_target(fuzzers)
endif()

function(tarvek_add_fuzzer name)
  cmake_parse_arguments(ARG "" "SOURCE;SECONDS" "LIBS" ${ARGN})
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 20)
  endif()
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus)
  file(GLOB dict ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*.dict)
  if(TARVEK_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_executable(${name} ${ARG_SOURCE})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set(found ${CMAKE_CURRENT_BINARY_DIR}/${name}_found)
    file(MAKE_DIRECTORY ${found})
    add_test(NAME ${name} COMMAND ${name} -max_total_time=${ARG_SECONDS}
             -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 -dict=${dict}
             ${found} ${corpus})
    set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
    add_dependencies(fuzzers ${name})
  else()
    add_executable(${name} ${ARG_SOURCE} ${PROJECT_SOURCE_DIR}/tests/support/FuzzReplayMain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name} 20000 ${corpus})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()
