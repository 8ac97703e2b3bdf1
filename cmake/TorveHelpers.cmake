# One-line registration of GoogleTest executables: torve_add_test(name SOURCES ... LIBS ...).
function(torve_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TORVE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TORVE_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

# One-line registration of QtTest executables, run headless: torve_add_qtest(name SOURCES ... LIBS ...).
function(torve_add_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
  target_compile_definitions(${name} PRIVATE TORVE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(TARGET torve_qtest_headers AND "torve_app_widgets" IN_LIST T_LIBS)
    target_precompile_headers(${name} REUSE_FROM torve_qtest_headers)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()

# Qt's module headers take most of the time of compiling a file of the desktop program; with
# TORVE_PRECOMPILED_HEADERS they are compiled once per library: torve_precompile_qt(target <QtCore> ...).
function(torve_precompile_qt target)
  if(TORVE_PRECOMPILED_HEADERS)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
