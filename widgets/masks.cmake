# The pure picture-mask functions: no Qt, so the formatting rules are tested without a window.
add_library(plumcrest_masks STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PictureMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecimalDigits.cpp
)
target_include_directories(plumcrest_masks PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_features(plumcrest_masks PUBLIC cxx_std_20)
set_target_properties(plumcrest_masks PROPERTIES AUTOMOC OFF)
