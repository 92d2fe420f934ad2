# Tests of a Windows build run under Wine, in a Wine prefix of the build's own,
# which the first test sets up; the last one waits until Wine has ended.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(FATAL_ERROR "No Wine found to run the Windows tests (Debian package wine64)")
endif()
find_program(ZELT_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(ZELT_WINE_ENVIRONMENT
  WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
  WINEDEBUG=-all
  # No Mono or Gecko installer at the first start: the tests need neither.
  WINEDLLOVERRIDES=mscoree,mshtml=
)

add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${ZELT_WINE_ENVIRONMENT}")
add_test(NAME wine_shutdown COMMAND ${ZELT_WINESERVER} --wait)
set_tests_properties(wine_shutdown PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${ZELT_WINE_ENVIRONMENT}")

# zelt_add_wine_test(name command args...): a test in the build's prefix. A
# command that names an executable target runs under Wine by itself; a cmake
# script gets Wine as ZELT_WINE.
function(zelt_add_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${ZELT_WINE_ENVIRONMENT}")
endfunction()
