# Shared helpers for the folders' CMakeLists.

include(GoogleTest)

# tessiva_library(NAME SOURCES... [DEPS libs...]): one static library per source folder.
function(tessiva_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
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
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(${name} PRIVATE TESSIVA_DIST_DIR="${TESSIVA_DIST_DIR}")
endfunction()

# tessiva_program(NAME SOURCES... [DEPS libs...]): an executable placed in the program folder.
function(tessiva_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSIVA_DIST_DIR})
endfunction()

# tessiva_add_areas(): adds every sub-folder of the current folder that has a CMakeLists.txt,
# in name order, so a new area needs no registration.
function(tessiva_add_areas)
  file(GLOB areas LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT areas)
  foreach(area ${areas})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/CMakeLists.txt)
      add_subdirectory(${area})
    endif()
  endforeach()
endfunction()
