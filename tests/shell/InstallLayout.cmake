# Installs the build into a scratch prefix and checks that the program, its
# media archives, the templates, the launcher and the desktop entry land where
# the program and the desktop look for them.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P InstallLayout.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
  lib/melvato/melvato
  "lib/melvato/DATEN/Daten 1.DAT"
  share/melvato/appdata/DATEN/counter0.gif
  share/melvato/appdata/DATEN/sound.wav
  share/melvato/appdata/DATEN/MusicalSymbols.ttf
  "share/melvato/appdata/DATEN/MusicalSymbols OFL.txt"
  share/melvato/appdata/Anleitung/index.htm
  share/melvato/appdata/Sprache.id
  share/melvato/appdata/Aussprache.txt
  share/melvato/common/Translation.dat
  "share/melvato/common/Translation English.Dat"
  bin/melvato
  games/melvato
  share/applications/melvato.desktop
  share/icons/hicolor/scalable/apps/melvato.svg
  share/metainfo/de.varulak.melvato.metainfo.xml
  share/doc/melvato/copyright
  share/doc/melvato/changelog.gz
  share/man/man6/melvato.6.gz)
foreach(f IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
# The launcher finds the program through the layout above.
file(READ "${PREFIX}/bin/melvato" launcher)
if(NOT launcher MATCHES "lib/melvato/melvato")
  message(FATAL_ERROR "the launcher does not start lib/melvato/melvato")
endif()
file(READ "${PREFIX}/share/applications/melvato.desktop" desktop)
foreach(key "Exec=melvato" "Icon=melvato" "Type=Application")
  string(FIND "${desktop}" "${key}" at)
  if(at LESS 0)
    message(FATAL_ERROR "desktop entry lacks ${key}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
