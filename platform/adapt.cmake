# CompositionFuncs, AltKeyFixUnit and the idle and keyboard-cue reports they stand on.
list(APPEND PLUMCREST_PLATFORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CompositionFuncs.h
  ${CMAKE_CURRENT_LIST_DIR}/CompositionFuncs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IdleEvents.h
  ${CMAKE_CURRENT_LIST_DIR}/IdleEvents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyboardCues.h
  ${CMAKE_CURRENT_LIST_DIR}/KeyboardCues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AltKeyFixUnit.h
  ${CMAKE_CURRENT_LIST_DIR}/AltKeyFixUnit.cpp
)
