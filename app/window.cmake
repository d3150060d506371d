# The main window and the program.
add_library(plumcrest_app STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Main.h
  ${CMAKE_CURRENT_LIST_DIR}/MainLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainCalc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainLifecycle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainBehaviours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlumcrestApplication.h
  ${CMAKE_CURRENT_LIST_DIR}/PlumcrestApplication.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TPanelStatusBar.h
  ${CMAKE_CURRENT_LIST_DIR}/TPanelStatusBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.h
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sites.h
)
target_include_directories(plumcrest_app PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plumcrest_app PUBLIC plumcrest_loan plumcrest_dialogs plumcrest_widgets
                                           plumcrest_platform Qt6::Widgets
                                    PRIVATE plumcrest_offers)

add_executable(plumcrest ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(plumcrest PRIVATE plumcrest_app)
