# The calculation pipeline over the loan mathematics.
target_sources(plumcrest_calc PRIVATE ${CMAKE_CURRENT_LIST_DIR}/LoanPipeline.cpp)
target_link_libraries(plumcrest_calc PUBLIC plumcrest_finance)
