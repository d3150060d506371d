# The profile (INI) layer over SimpleIni: no Qt, so the saved values stay testable without it.
add_library(plumcrest_profile STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Profile.h
  ${CMAKE_CURRENT_LIST_DIR}/Profile.cpp
)
target_include_directories(plumcrest_profile PUBLIC ${CMAKE_CURRENT_LIST_DIR})
