add_executable(test_app_saved ${CMAKE_CURRENT_LIST_DIR}/SavedValuesTest.cpp)
target_link_libraries(test_app_saved PRIVATE plumcrest_calc GTest::gtest_main)
plumcrest_discover_gtests(test_app_saved)
