# Install layout and the Debian package. Included after every subdirectory, so the targets
# of the program and its help file can be tested for here.
#
# The executable finds its help file and licence beside itself, so all three live together in
# one program folder; the command on the PATH is a relative symbolic link into that folder.

get_filename_component(PLUMCREST_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging ABSOLUTE)
set(PLUMCREST_APP_ID example.quillmore.Plumcrest)
set(PLUMCREST_INSTALL_PROGRAMDIR "lib/plumcrest" CACHE STRING
  "Program folder (executable, help file, licence), relative to the install prefix")

if(TARGET plumcrest)
  install(TARGETS plumcrest RUNTIME DESTINATION ${PLUMCREST_INSTALL_PROGRAMDIR})
endif()
if(TARGET plumcrest_help)
  install(FILES ${PLUMCREST_PROGRAM_DIR}/plumcrestcalc.chm DESTINATION ${PLUMCREST_INSTALL_PROGRAMDIR})
endif()
install(FILES ${PLUMCREST_PROGRAM_DIR}/License.txt DESTINATION ${PLUMCREST_INSTALL_PROGRAMDIR})

# The link is relative so the installed tree can move (DESTDIR, package staging, another prefix).
if(TARGET plumcrest)
  file(RELATIVE_PATH _plumcrest_link_target
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
    ${CMAKE_INSTALL_PREFIX}/${PLUMCREST_INSTALL_PROGRAMDIR}/plumcrest)
  install(CODE "
    set(_bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${_bindir}\")
    message(STATUS \"Installing: \${_bindir}/plumcrest -> ${_plumcrest_link_target}\")
    file(CREATE_LINK \"${_plumcrest_link_target}\" \"\${_bindir}/plumcrest\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_bindir}/plumcrest\")
  ")
endif()

# Debian keeps every package's licence as /usr/share/doc/<package>/copyright.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../LICENSE
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plumcrest RENAME copyright)

install(FILES ${PLUMCREST_PACKAGING_DIR}/${PLUMCREST_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PLUMCREST_PACKAGING_DIR}/${PLUMCREST_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PLUMCREST_PACKAGING_DIR}/icons/hicolor
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Fast checks of the desktop entry and the AppStream data; building the .deb is scripts/package.sh.
if(BUILD_TESTING)
  find_program(PLUMCREST_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(PLUMCREST_APPSTREAMCLI appstreamcli)
  if(PLUMCREST_DESKTOP_FILE_VALIDATE AND PLUMCREST_APPSTREAMCLI)
    add_test(NAME package_metadata
      COMMAND ${CMAKE_COMMAND}
        -DDESKTOP_FILE_VALIDATE=${PLUMCREST_DESKTOP_FILE_VALIDATE}
        -DAPPSTREAMCLI=${PLUMCREST_APPSTREAMCLI}
        -DPACKAGING_DIR=${PLUMCREST_PACKAGING_DIR}
        -DAPP_ID=${PLUMCREST_APP_ID}
        -P ${PLUMCREST_PACKAGING_DIR}/check-metadata.cmake)
    set_tests_properties(package_metadata PROPERTIES LABELS package TIMEOUT 60)
  else()
    message(STATUS "package_metadata test skipped: desktop-file-validate or appstreamcli missing")
  endif()
endif()

set(CPACK_PACKAGE_NAME plumcrest)
set(CPACK_PACKAGE_VENDOR "Quillmore Financial Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mortgage calculator that compares offers by their APR")
set(CPACK_PACKAGE_DESCRIPTION
  "Plumcrest is a desktop calculator for home buyers who compare mortgage offers. It takes the purchase price, down payment, term, note rate and nine closing costs, and shows the down payment, loan amount, monthly payment, total of fixed fees and the Annual Percentage Rate.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quillmore.example/plumcrest.htm")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_LIST_DIR}/../LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Plumcrest developers <plumcrest@quillmore.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # plumcrest_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not visible to dpkg-shlibdeps: Qt's xcb platform plugin is loaded at run time, the fonts are
# the metric match for the window's "Arial", and web pages open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation2, xdg-utils")

include(CPack)
