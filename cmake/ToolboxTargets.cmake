# Compile settings shared by every target of the project (not by GoogleTest or
# other third-party code).
#
# Narrow string literals are GBK (code page 936), the encoding of every Text in
# the program, so "微软雅黑" in a source file is the GBK bytes the Win32 ANSI
# calls and the text operations expect. Sources themselves are UTF-8.
# The literal encoding named is GB18030, which encodes every GBK character with
# the same bytes: libstdc++'s <chrono> holds a "µs" literal that GBK cannot
# encode, so -fexec-charset=GBK would make <chrono> unusable.
function(toolbox_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                         -finput-charset=UTF-8 -fexec-charset=GB18030)
  if(TOOLBOX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(WIN32)
    # Unicode is not defined: the program speaks the ANSI (GBK) API and the
    # wide API explicitly where it needs UTF-16.
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX
                               _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()

# toolbox_library(name [WINDOWS_ONLY] SOURCES ... [LIBRARIES ...])
function(toolbox_library name)
  cmake_parse_arguments(ARG "WINDOWS_ONLY" "" "SOURCES;LIBRARIES" ${ARGN})
  if(ARG_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  toolbox_target_defaults(${name})
  if(ARG_LIBRARIES)
    target_link_libraries(${name} PUBLIC ${ARG_LIBRARIES})
  endif()
endfunction()
