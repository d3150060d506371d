# TUrlLabel joins the Qt widget library. field.cmake normally defines that library; this file
# defines it itself when it is included without field.cmake.
if(NOT TARGET plumcrest_widgets)
  add_library(plumcrest_widgets STATIC)
  target_include_directories(plumcrest_widgets PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(plumcrest_widgets PUBLIC plumcrest_platform Qt6::Widgets)
endif()
target_sources(plumcrest_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TUrlLabel.h
  ${CMAKE_CURRENT_LIST_DIR}/TUrlLabel.cpp
)
