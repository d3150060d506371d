# CompositionFuncs against the fake OS; TAltKeyFix on the offscreen platform.
add_executable(test_platform_composition ${CMAKE_CURRENT_LIST_DIR}/CompositionFuncsTest.cpp)
target_link_libraries(test_platform_composition PRIVATE plumcrest_test_support GTest::gtest_main)
plumcrest_discover_gtests(test_platform_composition)

add_executable(test_platform_altkeyfix ${CMAKE_CURRENT_LIST_DIR}/AltKeyFixTest.cpp)
target_link_libraries(test_platform_altkeyfix PRIVATE plumcrest_test_support Qt6::Test)
plumcrest_add_qt_test(test_platform_altkeyfix)
