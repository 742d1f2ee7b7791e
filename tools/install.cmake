# Installing into a Linux prefix and the Debian package (bash tools/package.sh).
# The installed program finds its shipped files as ../share/orvella beside
# its folder, so any prefix works; the user's files go to the XDG folders.
include(GNUInstallDirs)

set(ORVELLA_APP_ID com.halvorn.Orvella)
set(ORVELLA_RELEASE_DATE 2026-12-08)
set(ORVELLA_RELEASE_DATE_RFC2822 "Tue, 08 Dec 2026 12:00:00 +0000")
set(ORVELLA_HOMEPAGE "https://example.org/orvella" CACHE STRING "Product page named in the package metadata")
set(ORVELLA_MAINTAINER "Orvella maintainers <maintainers@example.org>" CACHE STRING "Maintainer of the package")

# The emblem in the icon theme's sizes, drawn by the program's own code.
add_executable(render_icons tools/render_icons.cpp)
target_link_libraries(render_icons PRIVATE ov_logic)
set(ORVELLA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(OUTPUT ${ORVELLA_ICON_DIR}/hicolor/scalable/apps/${ORVELLA_APP_ID}.svg
  # A sanitizer build's leak report on the way out is not the icons' concern.
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:render_icons> ${ORVELLA_ICON_DIR} ${ORVELLA_APP_ID}
  DEPENDS render_icons VERBATIM)

configure_file(data/linux/${ORVELLA_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/linux/${ORVELLA_APP_ID}.metainfo.xml @ONLY)
configure_file(data/linux/changelog.in ${CMAKE_BINARY_DIR}/linux/changelog @ONLY)
# Compressed without a name or time stamp, so the package is reproducible.
find_program(GZIP_PROGRAM gzip REQUIRED)
foreach(doc orvella.1 changelog)
  if(doc STREQUAL "changelog")
    set(src ${CMAKE_BINARY_DIR}/linux/changelog)
  else()
    set(src ${CMAKE_SOURCE_DIR}/data/linux/${doc})
  endif()
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/linux/${doc}.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${src} > ${CMAKE_BINARY_DIR}/linux/${doc}.gz
    DEPENDS ${src})
endforeach()
add_custom_target(orvella_install_data ALL DEPENDS
  ${ORVELLA_ICON_DIR}/hicolor/scalable/apps/${ORVELLA_APP_ID}.svg
  ${CMAKE_BINARY_DIR}/linux/orvella.1.gz ${CMAKE_BINARY_DIR}/linux/changelog.gz)

install(TARGETS Orvella RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Installed commands are lower case; the build tree keeps its Orvella.
# (file(INSTALL) adds DESTDIR itself, file(RENAME) does not.)
install(CODE "file(RENAME \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/Orvella\"
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orvella\")")
set(share ${CMAKE_INSTALL_DATADIR})
install(DIRECTORY data/Affirmations data/Help DESTINATION ${share}/orvella)
install(FILES ${OV_QM_FILES} DESTINATION ${share}/orvella/translations)
install(FILES data/linux/${ORVELLA_APP_ID}.desktop DESTINATION ${share}/applications)
install(FILES ${CMAKE_BINARY_DIR}/linux/${ORVELLA_APP_ID}.metainfo.xml DESTINATION ${share}/metainfo)
install(DIRECTORY ${ORVELLA_ICON_DIR}/hicolor DESTINATION ${share}/icons)
install(FILES ${CMAKE_BINARY_DIR}/linux/orvella.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/linux/copyright ${CMAKE_BINARY_DIR}/linux/changelog.gz DESTINATION ${share}/doc/orvella)
# The default branding record where the XDG config folders find it, so a
# distributor can replace it: /etc/xdg for the prefix /usr, as the GNU rules
# place it, <prefix>/etc/xdg elsewhere. Decided at install time: the package
# installs into a staging copy of /usr whatever prefix the tree was set up with.
install(CODE "
  if(CMAKE_INSTALL_PREFIX MATCHES \"^(.*)/usr/*$\")
    set(ov_etc \"\${CMAKE_MATCH_1}/etc\")
  else()
    set(ov_etc \"\${CMAKE_INSTALL_PREFIX}/etc\")
  endif()
  file(INSTALL \"${CMAKE_SOURCE_DIR}/data/Branding.reg\" DESTINATION \"\${ov_etc}/xdg/Halvorn/Orvella\")
")
file(WRITE ${CMAKE_BINARY_DIR}/linux/conffiles "/etc/xdg/Halvorn/Orvella/Branding.reg\n")

# CPack's DEB generator: the package comes from the same install rules as a
# plain "cmake --install", with no second description of the files to keep
# in step, and dpkg-shlibdeps still computes the library dependencies.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Halvorn)
set(CPACK_PACKAGE_CONTACT "${ORVELLA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flash short affirmations on the screen from the notification area")
set(CPACK_PACKAGE_DESCRIPTION "Orvella lives in the notification area and, on a timer, flashes short
phrases from the phrase lists the user has ticked. Each phrase appears for a
few tens of milliseconds in a borderless, semi-transparent window cut to the
shape of its letters, without taking the focus or the clicks. Its main window
edits, prints, creates and deletes phrase lists and sets the display of each
category. A starter library of phrase lists is included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORVELLA_HOMEPAGE}")
# Web pages open through xdg-open; the program runs without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/linux/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
