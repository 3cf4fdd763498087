# quorvane_add_test(NAME <name> SOURCES <files...> LIBS <targets...>)
# Adds one GoogleTest program that links the libraries under test; the
# libraries' own sources are never compiled into a test.
find_package(GTest REQUIRED)
include(GoogleTest)

function(quorvane_add_test)
  cmake_parse_arguments(QT "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${QT_NAME} ${QT_SOURCES})
  target_link_libraries(${QT_NAME} PRIVATE ${QT_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${QT_NAME} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QUORVANE_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data")
endfunction()
