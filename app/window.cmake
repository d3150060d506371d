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
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.h
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
)
target_include_directories(plumcrest_app PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plumcrest_app PUBLIC plumcrest_calc plumcrest_dialogs plumcrest_widgets
                                           plumcrest_platform Qt6::Widgets)
# The program's icon, the one the desktop entry names, for its windows and dialogs.
qt_add_resources(plumcrest_app "program_icon"
  PREFIX "/icons"
  BASE ${PROJECT_SOURCE_DIR}/packaging/icons/hicolor/48x48/apps
  FILES ${PROJECT_SOURCE_DIR}/packaging/icons/hicolor/48x48/apps/plumcrest.png)

add_executable(plumcrest ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(plumcrest PRIVATE plumcrest_app)
# --version prints the project's version.
target_compile_definitions(plumcrest PRIVATE PLUMCREST_VERSION="${PROJECT_VERSION}")
