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

# The reader's refusal of every file but the built help file, fuzzed with damaged copies.
add_executable(test_platform_helpguard
  ${CMAKE_CURRENT_LIST_DIR}/HelpFileGuardTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpFileMutations.h)
target_link_libraries(test_platform_helpguard PRIVATE plumcrest_platform GTest::gtest_main)
target_compile_definitions(test_platform_helpguard PRIVATE
  PLUMCREST_HELP_FILE="${PLUMCREST_BUILT_HELP_FILE}")
add_dependencies(test_platform_helpguard plumcrest_help)
plumcrest_discover_gtests(test_platform_helpguard)

# A longer fuzz run outside the test command: scripts/fuzz-help.sh N.
add_executable(fuzz_help_file
  ${CMAKE_CURRENT_LIST_DIR}/FuzzHelpFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpFileMutations.h)
target_link_libraries(fuzz_help_file PRIVATE plumcrest_platform)
target_compile_definitions(fuzz_help_file PRIVATE
  PLUMCREST_HELP_FILE="${PLUMCREST_BUILT_HELP_FILE}")
add_dependencies(fuzz_help_file plumcrest_help)
