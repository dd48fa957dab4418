# GoogleTest from Debian's source package, built with whatever toolchain this
# build uses (host g++ or mingw-w64), so the Windows tests link a matching copy.
set(TOOLBOX_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${TOOLBOX_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# toolbox_test(name [WINDOWS_ONLY] [GUI] SOURCES ... [LIBRARIES ...]
#              [LABELS ...] [TIMEOUT seconds])
#
# Native tests are registered case by case. A Windows test executable is one
# CTest test, run through CMAKE_CROSSCOMPILING_EMULATOR (scripts/wine-run):
# a Wine start costs about a second, so cases are not split into processes.
# GUI marks tests that open windows; they need an X display (scripts/test
# provides Xvfb) and must not run alongside each other.
function(toolbox_test name)
  cmake_parse_arguments(ARG "WINDOWS_ONLY;GUI" "TIMEOUT" "SOURCES;LIBRARIES;LABELS" ${ARGN})
  if(ARG_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  toolbox_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gmock_main)
  if(NOT TOOLBOX_RUN_TESTS)
    return()
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set(labels ${ARG_LABELS})
  if(ARG_GUI)
    list(APPEND labels gui)
  endif()
  if(CMAKE_CROSSCOMPILING)
    list(APPEND labels wine)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${labels}")
    if(ARG_GUI)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
    endif()
  else()
    list(APPEND labels native)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${labels}")
  endif()
endfunction()
