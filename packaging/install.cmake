# Install rules and the Debian package.
include(GNUInstallDirs)

# The publisher's web address, contact and application ID come from cmake/publisher.cmake.
set(homepage "")
if(TRAPEZOID_WEB_ADDRESS)
  set(homepage "https://${TRAPEZOID_WEB_ADDRESS}/")
endif()

install(TARGETS trapezoid trapezoid-solve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
  # The desktop entry, the metainfo and the icons are named by the application ID; the metainfo
  # and the copyright file name the homepage, and the screenshot on it, only where there is one.
  set(published ${CMAKE_BINARY_DIR}/packaging)
  set(TRAPEZOID_HOMEPAGE_XML "")
  set(TRAPEZOID_SCREENSHOTS_XML "")
  set(TRAPEZOID_SOURCE_LINE "")
  if(homepage)
    set(TRAPEZOID_HOMEPAGE_XML "  <url type=\"homepage\">${homepage}</url>\n")
    string(CONCAT TRAPEZOID_SCREENSHOTS_XML "  <screenshots>\n    <screenshot type=\"default\">\n"
           "      <caption>The calculator's window</caption>\n"
           "      <image>${homepage}trapezoid/screenshot.png</image>\n    </screenshot>\n  </screenshots>\n")
    set(TRAPEZOID_SOURCE_LINE "Source: ${homepage}\n")
  endif()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/trapezoid.desktop.in ${published}/${TRAPEZOID_APP_ID}.desktop @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/trapezoid.metainfo.xml.in ${published}/${TRAPEZOID_APP_ID}.metainfo.xml
                 @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${published}/copyright @ONLY)
  install(FILES ${published}/${TRAPEZOID_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${published}/${TRAPEZOID_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  file(GLOB icon_sizes RELATIVE ${CMAKE_CURRENT_LIST_DIR}/icons/hicolor ${CMAKE_CURRENT_LIST_DIR}/icons/hicolor/*)
  foreach(size IN LISTS icon_sizes)
    file(GLOB icon ${CMAKE_CURRENT_LIST_DIR}/icons/hicolor/${size}/apps/trapezoid.*)
    get_filename_component(extension ${icon} LAST_EXT)
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
            RENAME ${TRAPEZOID_APP_ID}${extension})
  endforeach()

  # The manual pages and the changelog go in gzipped without a name or a time stamp (-n), so
  # that the package is the same from one build to the next.
  set(generated_docs ${CMAKE_BINARY_DIR}/packaging)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${generated_docs}/changelog @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/trapezoid.1.in ${generated_docs}/man1/trapezoid.1 @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/bg/trapezoid.1.in ${generated_docs}/bg/man1/trapezoid.1 @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/trapezoid-solve.1.in ${generated_docs}/man1/trapezoid-solve.1 @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/bg/trapezoid-solve.1.in ${generated_docs}/bg/man1/trapezoid-solve.1
                 @ONLY)
  set(gzipped)
  foreach(doc changelog man1/trapezoid.1 bg/man1/trapezoid.1 man1/trapezoid-solve.1 bg/man1/trapezoid-solve.1)
    add_custom_command(OUTPUT ${generated_docs}/${doc}.gz
      COMMAND gzip -9nkf ${generated_docs}/${doc}
      DEPENDS ${generated_docs}/${doc})
    list(APPEND gzipped ${generated_docs}/${doc}.gz)
  endforeach()
  add_custom_target(gzipped_docs ALL DEPENDS ${gzipped})

  install(FILES ${generated_docs}/changelog.gz ${published}/copyright
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${generated_docs}/man1/trapezoid.1.gz ${generated_docs}/man1/trapezoid-solve.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${generated_docs}/bg/man1/trapezoid.1.gz ${generated_docs}/bg/man1/trapezoid-solve.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/bg/man1)
endif()

set(CPACK_PACKAGE_NAME trapezoid)
set(CPACK_PACKAGE_VENDOR "Trapezoid developers")
set(CPACK_PACKAGE_CONTACT "${TRAPEZOID_CONTACT}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator for the isosceles trapezoid, in Bulgarian")
# Debian wants the lines of the long description under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "A calculator for Bulgarian schools: pick which three of the six measures of\n"
  "an isosceles trapezoid (bases, leg, height, perimeter, area) are known, type\n"
  "them, and read all six back. The whole window is in Bulgarian.\n"
  "trapezoid-solve solves a problem as the book gives it (an angle, a diagonal,\n"
  "the midline, a radius, conditions) on the command line, with its working.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Bulgarian texts (context menus, dialog buttons) come from qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
# Directories as Debian has them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(homepage)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${homepage}")
endif()
include(CPack)
