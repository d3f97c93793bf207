# Install rules and the Debian package.
include(GNUInstallDirs)

set(TRAPEZOID_APP_ID org.example.trapezoid)
install(TARGETS trapezoid RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TRAPEZOID_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TRAPEZOID_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/icons/hicolor
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_PACKAGE_NAME trapezoid)
set(CPACK_PACKAGE_VENDOR "Trapezoid developers")
set(CPACK_PACKAGE_CONTACT "Trapezoid developers <trapezoid@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator for the isosceles trapezoid, in Bulgarian")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick which three of the six measures of an isosceles trapezoid are known, type them, and read all six back.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/")
include(CPack)
