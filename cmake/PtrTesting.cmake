# Test registration shared by every test folder.
#
#   ptr_add_native_test(NAME SOURCES... [LIBS ...])  built and run only in the Linux build
#   ptr_add_wine_test(NAME SOURCES... [LIBS ...])    built only in the 64-bit Windows build, run under Wine
#
# Each test is a GoogleTest program; its results go to ${PTR_TEST_RESULTS_DIR}/NAME.xml,
# from which scripts/test.sh counts passed and failed cases.

set(PTR_TEST_RESULTS_DIR ${CMAKE_BINARY_DIR}/test-results CACHE PATH "Where test programs write their XML results")
set(PTR_TESTS_RUN_UNDER_WINE OFF)
if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(PTR_TESTS_RUN_UNDER_WINE ON)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-exec.sh)
endif()

if(PTR_BUILD_TESTS)
  enable_testing()
  if(WIN32)
    if(PTR_TESTS_RUN_UNDER_WINE)
      set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
      set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
      set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
      add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

function(_ptr_register_test name kind)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
  if(kind STREQUAL "wine")
    target_link_libraries(${name} PRIVATE gtest gmock)
    set(xml "Z:${PTR_TEST_RESULTS_DIR}/${name}.xml")
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock)
    set(xml "${PTR_TEST_RESULTS_DIR}/${name}.xml")
  endif()
  target_compile_definitions(${name} PRIVATE
    PTR_SOURCE_DIR="${CMAKE_SOURCE_DIR}" PTR_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${xml})
  set_tests_properties(${name} PROPERTIES LABELS ${kind})
  # How long it runs, where PTR_TEST_SECONDS tells: the longest start first.
  foreach(entry IN LISTS PTR_TEST_SECONDS)
    if(entry MATCHES "^${name}=([0-9]+)$")
      set_tests_properties(${name} PROPERTIES COST ${CMAKE_MATCH_1})
    endif()
  endforeach()
endfunction()

function(ptr_add_native_test name)
  if(PTR_BUILD_TESTS AND NOT WIN32)
    _ptr_register_test(${name} native ${ARGN})
  endif()
endfunction()

function(ptr_add_wine_test name)
  if(PTR_BUILD_TESTS AND PTR_TESTS_RUN_UNDER_WINE)
    _ptr_register_test(${name} wine ${ARGN})
  endif()
endfunction()
