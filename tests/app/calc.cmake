add_executable(test_app_loanpipeline ${CMAKE_CURRENT_LIST_DIR}/LoanPipelineTest.cpp)
find_package(Threads REQUIRED)
target_link_libraries(test_app_loanpipeline PRIVATE plumcrest_calc GTest::gtest_main Threads::Threads)
plumcrest_discover_gtests(test_app_loanpipeline)
