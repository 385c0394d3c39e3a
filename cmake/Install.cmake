# SPDX-License-Identifier: GPL-3.0-or-later
# Installing like any Linux desktop game, and the Debian package built from the same rules.
#
# The programs read only the folder that holds them, so the program folder is installed whole
# into lib/tessiva/; bin/ holds relative links to its programs (each resolves its own folder
# through the link). share/ gets the desktop entries, the icons and the AppStream metainfo.

set(TESSIVA_PROGRAM_FOLDER lib/tessiva)
set(TESSIVA_METAINFO_ID example.tessiva.Tessiva)
# Where docs/*.png are published; the metainfo's screenshots are docs/gallery.png,
# docs/setup.png and docs/play.png there.
set(TESSIVA_SCREENSHOT_URL https://tessiva.example/docs)
# The release of PROJECT_VERSION, for the metainfo and the package's changelog.
set(TESSIVA_RELEASE_DATE 2026-12-10)
set(TESSIVA_RELEASE_DATE_RFC2822 "Thu, 10 Dec 2026 12:00:00 +0000")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(desktop_source ${CMAKE_SOURCE_DIR}/resources/desktop)
set(install_build ${CMAKE_BINARY_DIR}/install)

# The program folder: every program and tool of build/dist/, its library and its art. The
# install test compares the installed folder with build/dist/, so a program left out shows.
install(TARGETS Tessiva Packsweep tessiva-pack tessiva-cut tessiva-snapshot
  RUNTIME DESTINATION ${TESSIVA_PROGRAM_FOLDER})
install(DIRECTORY ${TESSIVA_DIST_DIR}/Themes ${TESSIVA_DIST_DIR}/UI ${TESSIVA_DIST_DIR}/Puzzles
  DESTINATION ${TESSIVA_PROGRAM_FOLDER})
install(DIRECTORY ${TESSIVA_DIST_DIR}/ DESTINATION ${TESSIVA_PROGRAM_FOLDER}
  FILES_MATCHING PATTERN "*.ctg" PATTERN "*.pck"
  PATTERN Themes EXCLUDE PATTERN UI EXCLUDE PATTERN Puzzles EXCLUDE)

# The links on the path, made once here and installed as links.
set(links tessiva=Tessiva packsweep=Packsweep tessiva-pack=tessiva-pack tessiva-cut=tessiva-cut)
file(MAKE_DIRECTORY ${install_build}/bin)
foreach(pair ${links})
  string(REPLACE "=" ";" pair ${pair})
  list(GET pair 0 link)
  list(GET pair 1 program)
  file(CREATE_LINK ../${TESSIVA_PROGRAM_FOLDER}/${program} ${install_build}/bin/${link} SYMBOLIC)
  install(FILES ${install_build}/bin/${link} DESTINATION bin)
endforeach()

# Desktop entries, the icon theme's files (the window icon's drawing at every size, and as
# SVG), the metainfo.
install(FILES ${desktop_source}/tessiva.desktop ${desktop_source}/packsweep.desktop
  DESTINATION share/applications)
set(icons ${install_build}/icons)
set(icon_files)
foreach(size 48 64 128 256)
  list(APPEND icon_files ${icons}/${size}x${size}/apps/tessiva.png)
endforeach()
list(APPEND icon_files ${icons}/scalable/apps/tessiva.svg)
tessiva_generator_fingerprint(resources_fingerprint make_resources)
add_custom_command(
  OUTPUT ${icon_files}
  COMMAND make_resources --desktop-icons ${icons}
  DEPENDS ${resources_fingerprint}
  COMMENT "Drawing the desktop icons")
add_custom_target(desktop_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icons}/ DESTINATION share/icons/hicolor)

configure_file(${desktop_source}/tessiva.metainfo.xml.in
  ${install_build}/${TESSIVA_METAINFO_ID}.metainfo.xml @ONLY)
install(FILES ${install_build}/${TESSIVA_METAINFO_ID}.metainfo.xml DESTINATION share/metainfo)

# The manual pages, written in roff in docs/man/ and compressed without a time stamp, as Debian
# wants them.
set(manual_pages)
foreach(page tessiva.6 packsweep.6 tessiva-pack.1 tessiva-cut.1)
  string(REGEX MATCH "[0-9]$" section ${page})
  configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page}.in ${install_build}/man/${page} @ONLY)
  add_custom_command(
    OUTPUT ${install_build}/man/${page}.gz
    COMMAND gzip -n -9 -k -f ${install_build}/man/${page}
    DEPENDS ${install_build}/man/${page}
    VERBATIM)
  list(APPEND manual_pages ${install_build}/man/${page}.gz)
  install(FILES ${install_build}/man/${page}.gz DESTINATION share/man/man${section})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${manual_pages})

# The package's documents: Debian wants the copyright and a changelog compressed without a
# time stamp.
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in ${install_build}/changelog @ONLY)
add_custom_command(
  OUTPUT ${install_build}/changelog.gz
  COMMAND gzip -n -9 -k -f ${install_build}/changelog
  DEPENDS ${install_build}/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(install_changelog ALL DEPENDS ${install_build}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright ${install_build}/changelog.gz
  DESTINATION share/doc/tessiva)

# A live install (no DESTDIR) refreshes the desktop's icon cache and menu database, so the game
# shows with its icon at once; a staged install or the package leaves that to its installer.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "" AND NOT TESSIVA_PACKAGING)
    find_program(icon_cache_tool gtk-update-icon-cache)
    find_program(desktop_database_tool update-desktop-database)
    set(icon_theme "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor")
    set(applications "${CMAKE_INSTALL_PREFIX}/share/applications")
    if(icon_cache_tool)
      message(STATUS "Refreshing the icon cache: ${icon_theme}")
      execute_process(COMMAND ${icon_cache_tool} --quiet --force --ignore-theme-index ${icon_theme})
    endif()
    if(desktop_database_tool)
      message(STATUS "Refreshing the desktop database: ${applications}")
      execute_process(COMMAND ${desktop_database_tool} --quiet ${applications})
    endif()
  endif()
]])

# make package: tessiva_<version>_amd64.deb, installing under /usr (the links in /usr/games,
# see DebianGames.cmake). The run-time dependencies of the programs come from dpkg-shlibdeps;
# the fonts (the game's text) and xdg-open (its web pages) are run-time needs that no program
# links against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessiva)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Tessiva developers <developers@tessiva.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jigsaw-puzzle game with a gallery of pictures")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pick a picture from the gallery, choose how many pieces lie along its longer\n"
  "side, and drag the scattered pieces back together: a dropped group joins every\n"
  "neighbour that lies close to its true place. Comes with a library of pictures,\n"
  "Packsweep to remove puzzle packs, and tools to make packs of your own.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tessiva.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/DebianGames.cmake)
set(CPACK_CUSTOM_INSTALL_VARIABLES TESSIVA_PACKAGING=ON)
include(CPack)
