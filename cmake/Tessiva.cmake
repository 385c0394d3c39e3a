# SPDX-License-Identifier: GPL-3.0-or-later
# Shared helpers for the folders' CMakeLists.

include(GoogleTest)

# The include root of one folder of src/: a folder in the build tree that holds only a link to
# src/<area>, so "area/Header.h" is found there and no other folder's headers are.
function(tessiva_area_headers out area)
  set(root ${CMAKE_BINARY_DIR}/layers/${area})
  if(NOT EXISTS ${root}/${area})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${area} ${root}/${area} SYMBOLIC)
  endif()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# tessiva_library(NAME SOURCES... [DEPS libs...] [PRIVATE_DEPS libs...]): one static library per
# source folder. It sees its own folder's headers and those of the libraries in DEPS (the
# folders below it), and hands both on; PRIVATE_DEPS (SDL, cairo, pango, TurboJPEG) stay
# inside it, so their include paths reach no caller.
function(tessiva_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" area "${folder}")
  tessiva_area_headers(headers ${area})
  target_include_directories(${name} PUBLIC ${headers})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()

# tessiva_test(NAME SOURCES... [DEPS libs...]): a GoogleTest executable registered with CTest.
function(tessiva_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TESSIVA_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TESSIVA_DIST_DIR="${TESSIVA_DIST_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()

# tessiva_benchmark(NAME SOURCES... [DEPS libs...]): a Google Benchmark executable (not a test).
function(tessiva_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(${name} PRIVATE TESSIVA_DIST_DIR="${TESSIVA_DIST_DIR}")
endfunction()

# tessiva_program(NAME SOURCES... [DEPS libs...]): an executable placed in the program folder.
# A program of src/ sees what its libraries see; a tool sees all of src/.
function(tessiva_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  if(folder MATCHES "^\\.\\.")
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  else()
    string(REGEX REPLACE "/.*" "" area "${folder}")
    tessiva_area_headers(headers ${area})
    target_include_directories(${name} PRIVATE ${headers})
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSIVA_DIST_DIR})
endfunction()

# tessiva_add_areas(AREA...): adds the named sub-folders of the current folder, in the order
# given. A renamed area stops the configuration, and so does a sub-folder with a CMakeLists.txt
# that is not named, so no area is left out unnoticed.
function(tessiva_add_areas)
  file(GLOB unnamed RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  list(TRANSFORM unnamed REPLACE "/CMakeLists.txt$" "")
  list(REMOVE_ITEM unnamed ${ARGN})
  if(unnamed)
    message(FATAL_ERROR "${CMAKE_CURRENT_LIST_FILE} does not name the area(s) ${unnamed}: "
                        "every sub-folder with a CMakeLists.txt is named there")
  endif()
  foreach(area ${ARGN})
    add_subdirectory(${area})
  endforeach()
endfunction()

# tessiva_generator_fingerprint(OUT generator): sets OUT to a copy of the generator's executable
# that is rewritten only when the executable's bytes change; a step that runs the generator
# depends on this copy instead of the executable. A change in any library the generator links
# relinks it into a new file with the same bytes (compiling, archiving and linking are
# deterministic here), and depending on that file would rerun the generator and rebuild all
# that uses its output. While the executable is newer than the copy this comparison runs on
# every build; it costs a few milliseconds.
function(tessiva_generator_fingerprint out generator)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/${generator}.fingerprint)
  add_custom_command(
    OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${generator}> ${copy}
    DEPENDS ${generator}
    COMMENT ""
    VERBATIM)
  set(${out} ${copy} PARENT_SCOPE)
endfunction()
