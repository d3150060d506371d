# Run by CPack after it has written the .deb (CPACK_POST_BUILD_SCRIPTS); finishes the package as
# Debian's own tools would and rebuilds it:
# - the compiler's notes (.comment, .note) go from the executables, as dh_strip removes them;
# - Installed-Size is written as dpkg-gencontrol computes it (every file or link rounded up to
#   whole KiB, every folder 1 KiB). CPack sums a folder as its size on disk and a symbolic link as
#   the size of what it points to, which overstates the package about twofold.
find_program(PLUMCREST_DPKG_DEB dpkg-deb REQUIRED)
find_program(PLUMCREST_STRIP NAMES strip REQUIRED)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(work "${deb}.contents")
  file(REMOVE_RECURSE "${work}")
  execute_process(COMMAND ${PLUMCREST_DPKG_DEB} --raw-extract "${deb}" "${work}"
    COMMAND_ERROR_IS_FATAL ANY)

  set(kib 1)  # the root folder
  set(md5sums "")
  file(GLOB_RECURSE entries LIST_DIRECTORIES true "${work}/*")
  list(SORT entries)
  foreach(entry IN LISTS entries)
    file(RELATIVE_PATH relative "${work}" "${entry}")
    if(relative MATCHES "^DEBIAN(/|$)")
      continue()
    endif()
    if(IS_SYMLINK "${entry}")
      file(READ_SYMLINK "${entry}" target)
      string(LENGTH "${target}" bytes)
    elseif(IS_DIRECTORY "${entry}")
      math(EXPR kib "${kib} + 1")
      continue()
    else()
      file(READ "${entry}" magic LIMIT 4 HEX)
      if(magic STREQUAL "7f454c46")
        execute_process(COMMAND ${PLUMCREST_STRIP} --remove-section=.comment --remove-section=.note
                                "${entry}" COMMAND_ERROR_IS_FATAL ANY)
      endif()
      file(SIZE "${entry}" bytes)
      file(MD5 "${entry}" md5)
      string(APPEND md5sums "${md5}  ${relative}\n")
    endif()
    math(EXPR kib "${kib} + (${bytes} + 1023) / 1024")
  endforeach()

  file(READ "${work}/DEBIAN/control" control)
  string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${kib}" control "${control}")
  file(WRITE "${work}/DEBIAN/control" "${control}")
  file(WRITE "${work}/DEBIAN/md5sums" "${md5sums}")
  execute_process(COMMAND ${PLUMCREST_DPKG_DEB} --root-owner-group --build "${work}" "${deb}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${work}")
  message(STATUS "Installed-Size of ${deb}: ${kib} KiB")
endforeach()
