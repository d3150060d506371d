# Validates the desktop entry and the AppStream metainfo; run by the package_metadata test.
foreach(var DESKTOP_FILE_VALIDATE APPSTREAMCLI PACKAGING_DIR APP_ID)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check-metadata.cmake needs -D${var}=...")
  endif()
endforeach()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PACKAGING_DIR}/${APP_ID}.desktop
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
# desktop-file-validate exits 0 on hints as well, so any output is treated as a finding.
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate failed (${rc}):\n${out}")
endif()

execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${PACKAGING_DIR}/${APP_ID}.metainfo.xml
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate failed (${rc}):\n${out}")
endif()
message(STATUS "appstreamcli:\n${out}")

# Both files must name the same program and icon that the install rules ship.
file(READ ${PACKAGING_DIR}/${APP_ID}.desktop desktop)
foreach(line "Exec=plumcrest %f\n" "Icon=plumcrest\n" "Name=Plumcrest\n" "Categories=Office;Finance;\n"
             "MimeType=application/pdf;\n")
  string(FIND "${desktop}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${APP_ID}.desktop lacks the line ${line}")
  endif()
endforeach()
# Spanish readers find the program in their own words; a translation dropped from either file is
# caught here rather than by a user.
foreach(line "GenericName[es]=" "Comment[es]=" "Keywords[es]=")
  string(FIND "${desktop}" "\n${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${APP_ID}.desktop lacks ${line}")
  endif()
endforeach()
foreach(icon 48x48/apps/plumcrest.png scalable/apps/plumcrest.svg)
  if(NOT EXISTS ${PACKAGING_DIR}/icons/hicolor/${icon})
    message(FATAL_ERROR "icon ${icon} is missing")
  endif()
endforeach()
file(READ ${PACKAGING_DIR}/${APP_ID}.metainfo.xml metainfo)
string(FIND "${metainfo}" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the metainfo does not launch ${APP_ID}.desktop")
endif()
foreach(element "<name xml:lang=\"es\">" "<summary xml:lang=\"es\">" "<p xml:lang=\"es\">")
  string(FIND "${metainfo}" "${element}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the metainfo lacks ${element}")
  endif()
endforeach()
