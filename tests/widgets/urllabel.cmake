add_executable(urllabel_test ${CMAKE_CURRENT_LIST_DIR}/TUrlLabelTest.cpp)
target_link_libraries(urllabel_test PRIVATE plumcrest_widgets plumcrest_test_support Qt6::Test)
plumcrest_add_qt_test(urllabel_test)
