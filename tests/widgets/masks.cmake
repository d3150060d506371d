add_executable(plumcrest_masks_tests
  ${CMAKE_CURRENT_LIST_DIR}/PictureMaskTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureMaskPropertyTest.cpp
)
target_link_libraries(plumcrest_masks_tests PRIVATE plumcrest_masks GTest::gtest_main)
set_target_properties(plumcrest_masks_tests PROPERTIES AUTOMOC OFF)
plumcrest_discover_gtests(plumcrest_masks_tests)
