# The help file reader and the help viewer, against the help file this build compiles.
set(PLUMCREST_BUILT_HELP_FILE ${PLUMCREST_PROGRAM_DIR}/plumcrestcalc.chm)

add_executable(test_platform_helpfile ${CMAKE_CURRENT_LIST_DIR}/HelpChmFileTest.cpp)
target_link_libraries(test_platform_helpfile PRIVATE plumcrest_platform Qt6::Test)
target_compile_definitions(test_platform_helpfile PRIVATE
  PLUMCREST_HELP_FILE="${PLUMCREST_BUILT_HELP_FILE}"
  PLUMCREST_HELP_SOURCE_DIR="${PROJECT_SOURCE_DIR}/resources/help")
add_dependencies(test_platform_helpfile plumcrest_help)
plumcrest_add_qt_test(test_platform_helpfile)

add_executable(test_platform_helpviewer ${CMAKE_CURRENT_LIST_DIR}/HelpViewerTest.cpp)
target_link_libraries(test_platform_helpviewer PRIVATE plumcrest_platform plumcrest_test_support
  Qt6::Test)
target_compile_definitions(test_platform_helpviewer PRIVATE
  PLUMCREST_HELP_FILE="${PLUMCREST_BUILT_HELP_FILE}")
add_dependencies(test_platform_helpviewer plumcrest_help)
plumcrest_add_qt_test(test_platform_helpviewer)

# Each field of the loan description against the topics of the built help file.
add_executable(test_platform_fieldtopics ${CMAKE_CURRENT_LIST_DIR}/FieldTopicsTest.cpp)
target_link_libraries(test_platform_fieldtopics PRIVATE plumcrest_platform plumcrest_loan Qt6::Test)
target_compile_definitions(test_platform_fieldtopics PRIVATE
  PLUMCREST_HELP_FILE="${PLUMCREST_BUILT_HELP_FILE}")
add_dependencies(test_platform_fieldtopics plumcrest_help)
plumcrest_add_qt_test(test_platform_fieldtopics)
