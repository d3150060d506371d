# The real Linux OS facts and folders.
add_executable(test_platform_services ${CMAKE_CURRENT_LIST_DIR}/RealOsFactsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RealFoldersTest.cpp)
target_link_libraries(test_platform_services PRIVATE plumcrest_platform GTest::gtest_main)
plumcrest_discover_gtests(test_platform_services)
