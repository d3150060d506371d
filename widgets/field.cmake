# The numeric entry field, its shared entry controller and key table, the locale separators read
# at start, and the field's accessibility. TUrlLabel adds its sources to this target later.
add_library(plumcrest_widgets STATIC
  ${CMAKE_CURRENT_LIST_DIR}/EntryController.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryController.h
  ${CMAKE_CURRENT_LIST_DIR}/LocaleSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocaleSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/NumericFieldAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumericFieldAccessible.h
  ${CMAKE_CURRENT_LIST_DIR}/TNumericField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TNumericField.h
)
target_include_directories(plumcrest_widgets PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plumcrest_widgets PUBLIC plumcrest_masks plumcrest_platform Qt6::Widgets)
