# The dialogs' pictures, embedded in plumcrest_dialogs under ":/dialogs/". The logo stays a JPEG
# so our own libjpeg code decodes it from memory. dialogs/make_pictures.sh in this folder made them.
qt_add_resources(plumcrest_dialogs "dialog_pictures"
  PREFIX "/dialogs"
  BASE ${CMAKE_CURRENT_LIST_DIR}/dialogs
  FILES
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/logo.jpg
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/about_icon.png
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/ok.png
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/ok_disabled.png
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/license.png
)
