# corvastel_add_test(NAME <name> SOURCES <files...> LIBS <targets...>)
# Every suite links the shared test main, which makes a QApplication on the offscreen platform.
include(GoogleTest)
function(corvastel_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE corvastel_test_support ${T_LIBS} GTest::gtest GTest::gmock)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 120)
endfunction()
