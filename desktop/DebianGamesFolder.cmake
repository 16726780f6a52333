# Run by cpack between installing into its staging folder and building the
# Debian package: Debian keeps the commands of games in /usr/games, not in
# /usr/bin. The help file is still found, since it lies at ../share/brimal
# from either folder.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/brimal ${usr}/games/brimal)
file(GLOB others ${usr}/bin/*)
if(others)
    message(FATAL_ERROR "Only brimal was expected in ${usr}/bin: ${others}")
endif()
file(REMOVE_RECURSE ${usr}/bin)
