# Where the program and its supplied data go.
#
#   <prefix>/lib/melvato/melvato        the program; its folder is the installation folder
#   <prefix>/lib/melvato/DATEN/         the media archives "Daten 1.DAT" ...
#   <prefix>/share/melvato/appdata/     template of the user's data folder
#   <prefix>/share/melvato/common/      template of the maker's common folder (translation tables)
#   <prefix>/bin/melvato                launcher, and a link to it in <prefix>/games/
#   <prefix>/share/applications/melvato.desktop, the icon in share/icons
#   <prefix>/share/metainfo/de.varulak.melvato.metainfo.xml  for software centres
#   <prefix>/share/doc/melvato/, share/man/man6/melvato.6.gz
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
# Debian's place for games, in every user's PATH; a link to the launcher above.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/links)
file(CREATE_LINK ../bin/melvato ${CMAKE_BINARY_DIR}/links/melvato SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/links/melvato DESTINATION games)
install(FILES ${PROJECT_SOURCE_DIR}/data/melvato.desktop DESTINATION share/applications)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/icons/melvato.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/melvato.svg DESTINATION share/icons/hicolor/scalable/apps)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/de.varulak.melvato.metainfo.xml DESTINATION share/metainfo)

# Documentation compressed without name and time stamp, so that two builds of
# one version give the same package.
set(doc_out ${CMAKE_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${doc_out})
foreach(doc changelog melvato.6)
  add_custom_command(OUTPUT ${doc_out}/${doc}.gz
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/data/debian/${doc} ${doc_out}/${doc}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/${doc} VERBATIM)
endforeach()
add_custom_target(melvato_doc ALL DEPENDS ${doc_out}/changelog.gz ${doc_out}/melvato.6.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${doc_out}/changelog.gz DESTINATION share/doc/melvato)
install(FILES ${doc_out}/melvato.6.gz DESTINATION share/man/man6)

# Build folder: links instead of copies, so the data stay current while editing.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/share)
file(CREATE_LINK ${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/share/melvato SYMBOLIC)
file(CREATE_LINK ${PROJECT_SOURCE_DIR}/data/install/DATEN ${CMAKE_BINARY_DIR}/DATEN SYMBOLIC)
