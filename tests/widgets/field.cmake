# TNumericField and its controller, in a shown window on the offscreen platform.
foreach(test NumericFieldEntryTest NumericFieldFocusTest NumericFieldRobustnessTest)
  add_executable(${test} ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp ${CMAKE_CURRENT_LIST_DIR}/NumericFieldTest.h)
  target_link_libraries(${test} PRIVATE plumcrest_widgets plumcrest_test_support Qt6::Test)
  plumcrest_add_qt_test(${test})
endforeach()
