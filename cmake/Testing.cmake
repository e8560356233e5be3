# GoogleTest from the Debian sources, built with the cross compiler; the test
# programs run under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(t gtest gtest_main)
  target_compile_options(${t} PRIVATE -w)
endforeach()

# add_wine_test(name SOURCES a.cpp ... LIBS lib ... [PROGRAM quarnel] [TIMEOUT s])
# One ctest test per test program; PROGRAM gives it that program's version
# resource, so the application facts (title, description) are the program's.
function(add_wine_test name)
  cmake_parse_arguments(T "" "PROGRAM;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main gtest)
  if(T_PROGRAM)
    target_sources(${name} PRIVATE ${CMAKE_BINARY_DIR}/resources/${T_PROGRAM}.rc)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()
