foreach(name MainWindowTest ChromeTest BehavioursTest DesktopTest)
  if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    string(TOLOWER ${name} lower)
    add_executable(test_app_${lower} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp
                                     ${CMAKE_CURRENT_LIST_DIR}/WindowFixture.h)
    target_link_libraries(test_app_${lower} PRIVATE plumcrest_app plumcrest_test_support Qt6::Test)
    plumcrest_add_qt_test(test_app_${lower})
  endif()
endforeach()
