# The help viewer (HtmlHelp's counterpart): chmlib reading, the help window, TheChmHelpViewer().
list(APPEND PLUMCREST_PLATFORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ChmHelpViewer.h
  ${CMAKE_CURRENT_LIST_DIR}/ChmHelpViewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChmHelpViewerImpl.h
  ${CMAKE_CURRENT_LIST_DIR}/HelpChmFile.h
  ${CMAKE_CURRENT_LIST_DIR}/HelpFileIdentity.h
  ${CMAKE_CURRENT_LIST_DIR}/HelpChmFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HelpWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/HelpWindow.cpp
)
