# SPDX-License-Identifier: GPL-3.0-or-later
# The sanitizer build (make test-sanitize, make fuzz): AddressSanitizer with leak detection and
# UndefinedBehaviorSanitizer on every target, each finding fatal. Built with clang, the same
# build also instruments for coverage and makes the libFuzzer targets of tests/fuzz/.
option(TESSIVA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
set(TESSIVA_FUZZ OFF)

if(TESSIVA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_compile_options(-fsanitize=fuzzer-no-link)
    set(TESSIVA_FUZZ ON)
  endif()

  # Every executable of this build carries the sanitizers' default options, so a program, a
  # test or a build tool behaves the same run from make, ctest or a shell.
  function(tessiva_add_sanitizer_defaults directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "EXECUTABLE")
        target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/sanitizer/SanitizerDefaults.cpp)
      endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory ${subdirectories})
      tessiva_add_sanitizer_defaults(${subdirectory})
    endforeach()
  endfunction()
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR}
                 CALL tessiva_add_sanitizer_defaults ${CMAKE_SOURCE_DIR})
endif()
