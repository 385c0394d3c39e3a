# SPDX-License-Identifier: GPL-3.0-or-later
# Removes what the last install from this build tree put in place: every file and link named
# in its manifest (with PREFIX applied; DESTDIR, which the manifest leaves out, is taken from
# the environment as at install time), then the folders of our own (the program folder and
# share/doc/tessiva/) that this leaves empty. Files added since, such as a player's own packs, stay, and so do folders shared with
# other programs (bin/, share/applications/).
# Usage: [DESTDIR=...] cmake -DMANIFEST=build/install_manifest.txt -P cmake/Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (make install writes it).")
endif()

file(STRINGS "${MANIFEST}" installed)
set(folders)
foreach(file IN LISTS installed)
  set(file "$ENV{DESTDIR}${file}")
  if(IS_SYMLINK "${file}" OR EXISTS "${file}")
    message(STATUS "Removing: ${file}")
    file(REMOVE "${file}")
  endif()
  # Every folder from the file's own up to our own top folder.
  if(file MATCHES "^(.*/(lib|share/doc)/tessiva)/")
    set(top "${CMAKE_MATCH_1}")
    get_filename_component(folder "${file}" DIRECTORY)
    while(NOT folder STREQUAL top)
      list(APPEND folders "${folder}")
      get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
    list(APPEND folders "${top}")
  endif()
endforeach()

# Deepest first, so a folder is empty once its sub-folders have gone.
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
  file(GLOB left "${folder}/*" "${folder}/.*")
  if(IS_DIRECTORY "${folder}" AND NOT left)
    message(STATUS "Removing: ${folder}/")
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
