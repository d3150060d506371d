foreach(name MainWindowTest ChromeTest BehavioursTest DesktopTest)
  if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    string(TOLOWER ${name} lower)
    add_executable(test_app_${lower} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp
                                     ${CMAKE_CURRENT_LIST_DIR}/WindowFixture.h)
    target_link_libraries(test_app_${lower} PRIVATE plumcrest_app plumcrest_test_support Qt6::Test)
    plumcrest_add_qt_test(test_app_${lower})
  endif()
endforeach()

# The calculator page drawn at the scale factors desktops use.
add_executable(test_app_scale ${CMAKE_CURRENT_LIST_DIR}/ScaleTest.cpp ${CMAKE_CURRENT_LIST_DIR}/WindowFixture.h)
target_link_libraries(test_app_scale PRIVATE plumcrest_app plumcrest_test_support Qt6::Test)
foreach(scale 1 1.25 1.5 2)
  add_test(NAME test_app_scale_${scale} COMMAND test_app_scale)
  set_tests_properties(test_app_scale_${scale} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${scale};LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/sanitizers.supp")
endforeach()
