# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged package (CPACK_PRE_BUILD_SCRIPTS): Debian installs the programs of
# a game in /usr/games rather than /usr/bin, so the links move there. They stay valid, as both
# folders lie one level below /usr.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
if(NOT IS_DIRECTORY "${staged}/bin" OR EXISTS "${staged}/games")
  message(FATAL_ERROR "The staged package has no usr/bin/ to move to usr/games/: ${staged}")
endif()
file(RENAME "${staged}/bin" "${staged}/games")
