# Saved values: loading and saving the thirteen inputs and the run flag.
target_sources(plumcrest_calc PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SavedValues.cpp)
target_link_libraries(plumcrest_calc PUBLIC plumcrest_profile plumcrest_masks)
