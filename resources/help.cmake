# plumcrestcalc.chm, compiled from help/ with Free Pascal's chmcmd. chmcmd writes its output into
# the current folder and resolves the project's files relative to it, so the sources are staged in
# the build tree first: the source tree is never written to.
find_program(PLUMCREST_CHMCMD chmcmd REQUIRED)

set(PLUMCREST_HELP_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/help)
set(PLUMCREST_HELP_STAGE_DIR ${CMAKE_CURRENT_BINARY_DIR}/help-stage)
set(PLUMCREST_HELP_FILE ${PLUMCREST_PROGRAM_DIR}/plumcrestcalc.chm)
file(GLOB PLUMCREST_HELP_SOURCES CONFIGURE_DEPENDS
  ${PLUMCREST_HELP_SOURCE_DIR}/*.htm
  ${PLUMCREST_HELP_SOURCE_DIR}/*.css
  ${PLUMCREST_HELP_SOURCE_DIR}/*.png
  ${PLUMCREST_HELP_SOURCE_DIR}/*.hhp
  ${PLUMCREST_HELP_SOURCE_DIR}/*.hhc
  ${PLUMCREST_HELP_SOURCE_DIR}/*.h
)

add_custom_command(
  OUTPUT ${PLUMCREST_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PLUMCREST_HELP_STAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PLUMCREST_HELP_SOURCE_DIR} ${PLUMCREST_HELP_STAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PLUMCREST_HELP_STAGE_DIR}
          ${PLUMCREST_CHMCMD} --verbosity 1 plumcrest.hhp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLUMCREST_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${PLUMCREST_HELP_STAGE_DIR}/plumcrestcalc.chm ${PLUMCREST_HELP_FILE}
  DEPENDS ${PLUMCREST_HELP_SOURCES}
  COMMENT "Compiling the help file plumcrestcalc.chm"
  VERBATIM
)
add_custom_target(plumcrest_help ALL DEPENDS ${PLUMCREST_HELP_FILE})

# The help reader refuses every file but this one: its size and digest are compiled in.
set(PLUMCREST_HELP_IDENTITY_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/HelpFileIdentity.cpp)
add_custom_command(
  OUTPUT ${PLUMCREST_HELP_IDENTITY_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DHELP_FILE=${PLUMCREST_HELP_FILE}
          -DOUTPUT=${PLUMCREST_HELP_IDENTITY_SOURCE}
          -P ${PROJECT_SOURCE_DIR}/cmake/HelpFileIdentity.cmake
  DEPENDS ${PLUMCREST_HELP_FILE} ${PROJECT_SOURCE_DIR}/cmake/HelpFileIdentity.cmake
  COMMENT "Recording the size and digest of plumcrestcalc.chm"
  VERBATIM
)
add_library(plumcrest_help_identity STATIC
  ${PROJECT_SOURCE_DIR}/platform/HelpFileIdentity.h
  ${PLUMCREST_HELP_IDENTITY_SOURCE}
)
target_include_directories(plumcrest_help_identity PUBLIC ${PROJECT_SOURCE_DIR}/platform)
set_target_properties(plumcrest_help_identity PROPERTIES AUTOMOC OFF)
# The help file is made by plumcrest_help alone: two targets running its rule at once would race.
add_dependencies(plumcrest_help_identity plumcrest_help)
