# The installed game (cmake --install) and its Debian package (cpack -G DEB).
# The program and its icons are installed by src/ui/qt; the rest is here.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(VEXEL_CONTACT "Vexel-cube developers <developers@vexelcube.org>")
set(VEXEL_HOMEPAGE "https://vexelcube.org")

# Debian wants the manual and the changelog compressed, with no time stamp.
function(vexel_gzip source target)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/package/${target})
  add_custom_command(OUTPUT ${out}
                     COMMAND sh -c "gzip -9n -c '${source}' > '${out}'"
                     DEPENDS ${source} VERBATIM)
  list(APPEND vexel_gzipped ${out})
  set(vexel_gzipped ${vexel_gzipped} PARENT_SCOPE)
endfunction()
vexel_gzip(${PROJECT_SOURCE_DIR}/docs/vexelcube.6 vexelcube.6.gz)
vexel_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog changelog.gz)
add_custom_target(vexelcube_package_files ALL DEPENDS ${vexel_gzipped})

install(FILES ${PROJECT_SOURCE_DIR}/desktop/vexelcube.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/docs/org.vexelcube.vexelcube.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/vexelcube.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/package/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexelcube)

set(CPACK_PACKAGE_NAME vexelcube)
set(CPACK_PACKAGE_VENDOR "Vexel-cube developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "twisty cube puzzle from 2x2x2 up to 20x20x20")
# CPack puts the summary above this, as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vexel-cube is a puzzle game about the N x N x N twisty cube, for any edge
length from 2 to 20. The cube stands in the middle of a black window, its
front, top and right faces drawn in six colours of your choice. Turn its
layers with the mouse and the whole cube with the keys, have a new cube
scrambled, and solve it yourself or watch the computer solve it.
.
Colour squares in draw-mode and keep them as puzzle files, or play a game
of scrambled cubes one after another, counted as you solve them. A script
mode drives the same game with no window, for testing and for tools.")
set(CPACK_PACKAGE_CONTACT "${VEXEL_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VEXEL_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VEXEL_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Not found by the library scan: the display plugins and the window's font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", libqt6widgets6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6core6 (>= 6.2), libpng16-16, libstdc++6, libc6")
endif()
include(CPack)
