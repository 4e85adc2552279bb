# The Debian package for the school's computers: `cpack -G DEB` in the build
# folder (tools/build.sh deb) packs what `cmake --install` puts under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME melvato)
set(CPACK_PACKAGE_VENDOR varulak)
set(CPACK_PACKAGE_CONTACT "varulak <info@varulak.de>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.varulak.de")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders that no install rule names (usr/, usr/share/ ...) would otherwise take
# the packer's umask; every user of the machine must enter them.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                               WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these plugins at run time, so the linker's list misses them: the
# window-system ones (without them no window opens) and the SVG ones (without
# them the toolbar and the message icons stay blank). The voice that reads
# questions aloud reads its data files at run time too.
# The sound, speech and archive libraries are opened on first use, so the
# linker's list misses them as well.
get_property(nachgeladen GLOBAL PROPERTY MELVATO_NACHGELADEN_PAKETE)
list(REMOVE_DUPLICATES nachgeladen)
list(JOIN nachgeladen ", " nachgeladen)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, espeak-ng-data")
if(nachgeladen)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${nachgeladen}")
endif()
# The supplied translation table sets DejaVu Sans as the windows' font; the help
# command opens the manual with xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, xdg-utils")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "music quiz for children and adults, with a question editor")
# CPack puts the summary above this as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Melvato asks multiple-choice questions about music: notes, rhythm,
instruments, composers, opera, jazz, pop and children's songs, with
pictures, music symbols and sound. The player's level follows every answer.
Teachers and pupils write their own questions, build question lists and
share them on a network folder.

Melvato ist das interaktive Musikquiz für Kinder und Erwachsene: Fragen zu
Noten, Rhythmus, Instrumenten, Komponisten, Oper, Jazz, Pop und
Kinderliedern, mit Bildern, Notenzeichen und Klängen. Lehrkräfte und Kinder
schreiben eigene Fragen, stellen Fragenlisten zusammen und teilen sie über
einen Netzwerkordner.]=])

include(CPack)
