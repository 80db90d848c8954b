# ribcraft_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# Builds one GoogleTest executable and registers its tests with ctest, with
# the given ctest labels.
# Tests run from tests/data so that data files are found by relative name;
# RIBCRAFT_TEST_DATA also holds the absolute path.
function(ribcraft_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  set(labels)
  if(ARG_LABELS)
    set(labels LABELS "${ARG_LABELS}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    RIBCRAFT_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    RIBCRAFT_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/tests/data
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${labels}
    DISCOVERY_TIMEOUT 60)
endfunction()
