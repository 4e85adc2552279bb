# Where the program and its supplied data go.
#
#   <prefix>/lib/melvato/melvato        the program; its folder is the installation folder
#   <prefix>/lib/melvato/DATEN/         the media archives "Daten 1.DAT" ...
#   <prefix>/share/melvato/appdata/     template of the user's data folder
#   <prefix>/share/melvato/common/      template of the maker's common folder (translation tables)
#   <prefix>/bin/melvato                launcher
#   <prefix>/share/applications/melvato.desktop, the icon in share/icons
#
# At its first start the program copies the templates into the user's folders
# (shell/ErsterStart.h). The build folder is laid out the same way, so that
# build/melvato finds its archives and templates without installing.

install(TARGETS melvato RUNTIME DESTINATION lib/melvato)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/install/DATEN)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/install/DATEN DESTINATION lib/melvato)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/appdata DESTINATION share/melvato)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/common)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/common DESTINATION share/melvato)
endif()
install(PROGRAMS ${PROJECT_SOURCE_DIR}/cmake/melvato-launcher.sh DESTINATION bin RENAME melvato)
install(FILES ${PROJECT_SOURCE_DIR}/data/melvato.desktop DESTINATION share/applications)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/icons/melvato.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/melvato.svg DESTINATION share/icons/hicolor/scalable/apps)
endif()

# Build folder: links instead of copies, so the data stay current while editing.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/share)
file(CREATE_LINK ${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/share/melvato SYMBOLIC)
file(CREATE_LINK ${PROJECT_SOURCE_DIR}/data/install/DATEN ${CMAKE_BINARY_DIR}/DATEN SYMBOLIC)
