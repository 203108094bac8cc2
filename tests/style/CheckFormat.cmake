# Runs clang-format in check mode over every C++ file under src/ and tests/.
file(GLOB_RECURSE sources
  ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
  ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/docs/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
  RESULT_VARIABLE result ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Files not formatted with clang-format -i:\n${output}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files formatted")
