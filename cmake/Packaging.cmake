# Install layout and the Debian package. Included after every subdirectory, so the targets
# of the program and its help file can be tested for here.
#
# The executable finds its help file and licence beside itself, so all three live together in
# one program folder; the command on the PATH is a relative symbolic link into that folder.

get_filename_component(PLUMCREST_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging ABSOLUTE)
set(PLUMCREST_APP_ID example.quillmore.${PROJECT_NAME})
# The AppStream data lists the releases by hand; its newest must be the project's version.
file(READ ${PLUMCREST_PACKAGING_DIR}/${PLUMCREST_APP_ID}.metainfo.xml _plumcrest_metainfo)
if(NOT _plumcrest_metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "${PLUMCREST_APP_ID}.metainfo.xml lists no release ${PROJECT_VERSION}")
endif()
set(PLUMCREST_INSTALL_PROGRAMDIR "lib/plumcrest" CACHE STRING
  "Program folder (executable, help file, licence), relative to the install prefix")

if(TARGET plumcrest)
  install(TARGETS plumcrest RUNTIME DESTINATION ${PLUMCREST_INSTALL_PROGRAMDIR})
endif()
# The reader process the window starts, beside it.
if(TARGET plumcrest-reader)
  install(TARGETS plumcrest-reader RUNTIME DESTINATION ${PLUMCREST_INSTALL_PROGRAMDIR})
endif()
if(TARGET plumcrest_help)
  install(FILES ${PLUMCREST_PROGRAM_DIR}/plumcrestcalc.chm ${PLUMCREST_PROGRAM_DIR}/plumcrestcalc_es.chm
    DESTINATION ${PLUMCREST_INSTALL_PROGRAMDIR})
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

# Debian keeps every package's licence as /usr/share/doc/<package>/copyright, beside its
# changelog; manual pages and changelogs are installed compressed with gzip -9n (no name or
# time stamp inside, so the package builds the same every time).
# In the machine-readable (DEP-5) form, with the licence's text taken from LICENSE itself.
file(READ ${CMAKE_CURRENT_LIST_DIR}/../LICENSE _plumcrest_licence)
string(REGEX REPLACE "\n+$" "" _plumcrest_licence "${_plumcrest_licence}")
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${_plumcrest_licence}")
set(_plumcrest_copyright_holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^MIT License\n\n[^\n]*\n\n" "" _plumcrest_licence_body "${_plumcrest_licence}")
string(REGEX REPLACE "\n\n" "\n.\n" _plumcrest_licence_body "${_plumcrest_licence_body}")
string(REGEX REPLACE "\n" "\n " _plumcrest_licence_body "${_plumcrest_licence_body}")
file(WRITE ${CMAKE_BINARY_DIR}/packaging/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Plumcrest
Source: https://www.quillmore.example/plumcrest.htm

Files: *
Copyright: ${_plumcrest_copyright_holder}
License: Expat

License: Expat
 ${_plumcrest_licence_body}
")
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plumcrest)
set(_plumcrest_gzipped)
foreach(_doc plumcrest.1 plumcrest.es.1 changelog)
  set(_gz ${CMAKE_BINARY_DIR}/packaging/${_doc}.gz)
  add_custom_command(OUTPUT ${_gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9nc ${PLUMCREST_PACKAGING_DIR}/${_doc} > ${_gz}
    DEPENDS ${PLUMCREST_PACKAGING_DIR}/${_doc}
    COMMENT "Compressing ${_doc}"
    VERBATIM)
  list(APPEND _plumcrest_gzipped ${_gz})
endforeach()
add_custom_target(plumcrest_docs ALL DEPENDS ${_plumcrest_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plumcrest)
install(FILES ${CMAKE_BINARY_DIR}/packaging/plumcrest.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The Spanish page where man finds it under a Spanish locale: man/es/man1, under the same name.
install(FILES ${CMAKE_BINARY_DIR}/packaging/plumcrest.es.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man1 RENAME plumcrest.1.gz)

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
  # scripts/package.sh on this build tree into a temporary folder, then dpkg's and lintian's view
  # of the result. Packaging the tree needs it built, so the test runs after the others. A
  # sanitized tree is never shipped: its binary has no fortified calls, as lintian rightly says.
  if(TARGET plumcrest AND NOT PLUMCREST_SANITIZE)
    add_test(NAME package_deb
      COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check_deb.sh
              ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(package_deb PROPERTIES LABELS package TIMEOUT 180 RUN_SERIAL ON)
  endif()
endif()

string(TOLOWER ${PROJECT_NAME} CPACK_PACKAGE_NAME)
set(CPACK_PACKAGE_VENDOR "Quillmore Financial Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mortgage calculator that compares offers as Loan Estimates do")
# One line of the extended description per line here: dpkg shows them as they are, so each
# stays within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [=[
Plumcrest is a desktop calculator for home buyers who compare mortgage
offers. It takes the purchase price, the down payment as a percentage, the
term, the note rate and nine closing costs that count as finance charges,
and shows the down payment, the loan amount, the monthly payment, the total
of the fixed fees and the Annual Percentage Rate.
.
A lender's Loan Estimate (the standard three-page PDF) can be imported: it
is read in a separate process with time and memory limits, each figure
shown with where it was read and checked against the others, for the buyer
to review before it is kept.
.
Offers can be kept and compared side by side as the Loan Estimate lays them
out: the whole monthly payment with mortgage insurance and escrow, cash to
close, In 5 Years, the Total Interest Percentage, the APR as lenders must
figure it, and the cost over the years the buyer expects to keep the loan,
with what their savings would earn counted. What if: extra payments,
biweekly payment and adjustable rates at their worst case. Each offer has
its amortization schedule and a chart of cost and balance over time; both
save as CSV and PDF and print. A set of offers saves to a file that another
copy opens and merges, to share with a partner or an adviser.
.
The last values calculated are kept for the next start, and a help file
explains every field and window.]=])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quillmore.example/plumcrest.htm")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_LIST_DIR}/../LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
# Strips the compiler's notes and corrects CPack's Installed-Size once the .deb exists.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebFinish.cmake)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Plumcrest developers <plumcrest@quillmore.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION math) # where desktop calculators are
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # plumcrest_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not visible to dpkg-shlibdeps: Qt's xcb platform plugin is loaded at run time, the fonts are
# the metric match for the window's "Arial", and web pages open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation2, xdg-utils")

include(CPack)
