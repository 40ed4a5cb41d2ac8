# Installing the game as a desktop program (`cmake --install build --prefix P`)
# and packing it for Debian (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

set(VLIMS_INSTALL_GAMESDIR games CACHE STRING
    "Where the executable is installed, under the prefix (Debian's place for games)")
set(VLIMS_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATADIR}/games/vlims CACHE STRING
    "Where the files the game ships are installed, under the prefix")
set(VLIMS_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/vlims)
set(VLIMS_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging/linux)

# An installed game finds what it ships relative to its own folder, so that a
# prefix moved elsewhere still works.
foreach(dir GAMESDIR GAMEDATADIR)
    if(IS_ABSOLUTE "${VLIMS_INSTALL_${dir}}")
        set(vlims_full_${dir} "${VLIMS_INSTALL_${dir}}")
    else()
        set(vlims_full_${dir} "/prefix/${VLIMS_INSTALL_${dir}}")
    endif()
endforeach()
file(RELATIVE_PATH VLIMS_SHIPPED_FROM_EXECUTABLE ${vlims_full_GAMESDIR} ${vlims_full_GAMEDATADIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/platform/GameFolders.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS VLIMS_SHIPPED_FROM_EXECUTABLE="${VLIMS_SHIPPED_FROM_EXECUTABLE}")

install(TARGETS vlims RUNTIME DESTINATION ${VLIMS_INSTALL_GAMESDIR})
# Only what the artwork program made: a game played in the build's folder
# also keeps its saved game and scores there.
install(DIRECTORY ${VLIMS_GAME_DIR}/Graphics ${VLIMS_GAME_DIR}/Sounds ${VLIMS_GAME_DIR}/Help
    DESTINATION ${VLIMS_INSTALL_GAMEDATADIR})
install(DIRECTORY ${VLIMS_GAME_DIR}/Data DESTINATION ${VLIMS_INSTALL_GAMEDATADIR}
    FILES_MATCHING PATTERN "*Font Metrics.dat")
install(FILES ${VLIMS_PACKAGING_DIR}/vlims.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VLIMS_PACKAGING_DIR}/vlims.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The artwork program paints the desktop's icons beside the game folder.
foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/vlims.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian keeps manual pages and change logs compressed, without a time stamp
# in the gzip header so that the package is reproducible.
find_program(VLIMS_GZIP gzip REQUIRED)
set(VLIMS_COMPRESSED ${CMAKE_BINARY_DIR}/compressed)
add_custom_command(
    OUTPUT ${VLIMS_COMPRESSED}/vlims.6.gz ${VLIMS_COMPRESSED}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VLIMS_COMPRESSED}
    COMMAND ${VLIMS_GZIP} -9n -c ${VLIMS_PACKAGING_DIR}/vlims.6 > ${VLIMS_COMPRESSED}/vlims.6.gz
    COMMAND ${VLIMS_GZIP} -9n -c ${VLIMS_PACKAGING_DIR}/changelog > ${VLIMS_COMPRESSED}/changelog.gz
    DEPENDS ${VLIMS_PACKAGING_DIR}/vlims.6 ${VLIMS_PACKAGING_DIR}/changelog
    VERBATIM)
add_custom_target(vlims_compressed_docs ALL
    DEPENDS ${VLIMS_COMPRESSED}/vlims.6.gz ${VLIMS_COMPRESSED}/changelog.gz)
# Installing is installing the game: building the game alone must make
# everything the install copies.
add_dependencies(vlims vlims_compressed_docs)
install(FILES ${VLIMS_COMPRESSED}/vlims.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${VLIMS_COMPRESSED}/changelog.gz ${VLIMS_PACKAGING_DIR}/copyright
    DESTINATION ${VLIMS_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME vlims)
set(CPACK_PACKAGE_VENDOR "The Vlims developers")
set(CPACK_PACKAGE_CONTACT "The Vlims developers <vlims@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: line up four Vlims of one colour")
set(CPACK_PACKAGE_DESCRIPTION "\
Vlims is a puzzle game for one player. The board is a 10 by 10 grid of
Vlims in six colours; four or more of one colour in a row, column or
diagonal make a line, which scores and is replaced by new Vlims. In the
Normal Game you swap a Vlim with one of its neighbours; in the Rotational
Game you turn a 2 by 2 block. An unfinished game is saved when you leave
it, and the ten best scores of each variant and difficulty are kept.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
