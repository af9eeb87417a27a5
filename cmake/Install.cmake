# cmake --install and cpack -G DEB: the game under bin/ as kavrin-puzzle, its read-only files under
# share/kavrin-puzzle/, the menu entry, icons and AppStream metainfo where desktops look for them.
include(GNUInstallDirs)

set(PUZZLE_VERSION 1.0.0)
set(PUZZLE_HOMEPAGE "https://kavrin.ru/puzzle" CACHE STRING "Home page named in the package and the metainfo")
set(PUZZLE_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX licence of the game in the metainfo")
set(PUZZLE_MAINTAINER "KAVRIN <puzzle@kavrin.ru>" CACHE STRING "Maintainer of the Debian package")
set(app_id ru.kavrin.puzzle)
set(data_dir ${CMAKE_INSTALL_DATADIR}/kavrin-puzzle)

# The installed game finds its data relative to its own folder, so any prefix works; tests build that layout.
file(RELATIVE_PATH data_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/kavrin-puzzle)
target_compile_definitions(platform PUBLIC PUZZLE_DATA_FROM_PROGRAM="${data_from_program}")

install(PROGRAMS $<TARGET_FILE:puzzle> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME kavrin-puzzle)
# A renamed copy is no installed target: stripped here, or `cmake --install --strip` and the package keep debug data.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kavrin-puzzle\"
    COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources DESTINATION ${data_dir})
install(FILES ${pack_files} DESTINATION ${data_dir})
# The default packs' photographs and the sounds ask for their authors to be named wherever they go.
install(FILES ${CMAKE_SOURCE_DIR}/packs/CREDITS.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kavrin-puzzle
  RENAME CREDITS-pictures.md)
install(FILES ${CMAKE_SOURCE_DIR}/resources/music/CREDITS.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kavrin-puzzle
  RENAME CREDITS-sounds.md)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 48 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${app_id}.png)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/desktop/${app_id}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${app_id}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavrin-puzzle)
set(CPACK_PACKAGE_VERSION ${PUZZLE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Russian desktop jigsaw puzzle against the clock")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PUZZLE_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PUZZLE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Libraries come from the binary; what it loads at run time without linking is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Qt reads WebP and TIFF through its image-format plugins; from Debian 13 on, libheif decodes HEIC through a plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, qt6-translations-l10n, qt6-image-formats-plugins, libheif-plugin-libde265 | libheif1 (<< 1.17)")
include(CPack)
