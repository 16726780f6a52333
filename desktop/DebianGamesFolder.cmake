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

# Every folder of the package is 0755 whatever the umask of whoever packages:
# installing makes them with the umask's bits, and a package built under
# umask 077 would carry folders that only root can enter.
file(GLOB_RECURSE folders LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
foreach(folder ${CPACK_TEMPORARY_DIRECTORY} ${folders})
    if(IS_DIRECTORY ${folder})
        file(CHMOD ${folder} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
            GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
