#!/usr/bin/env bash
# Sets up a Debian machine for Melvato, builds it, and then starts the program
# ("run"), runs every test ("test") or makes the Debian package ("deb").
#   tools/build.sh run    install packages, build, provide the data folder, start
#   tools/build.sh test   install packages, build, run all tests
#   tools/build.sh deb    install packages, build the program, pack
#                         <build>/melvato_<version>_<arch>.deb and check it with lintian
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-run}"

packages=(cmake ninja-build g++ pkg-config clang
          qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
          libsdl2-dev libsdl2-mixer-dev libsndfile1-dev libzip-dev zip
          libespeak-ng-dev espeak-ng-data
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core python3 gcovr)
# Packing and checking the Debian package; its test runs with all the others.
package_tools=(dpkg-dev file appstream)

case "$mode" in
  run) tools/install-packages.sh "${packages[@]}" ;;
  deb) tools/install-packages.sh "${packages[@]}" "${package_tools[@]}" lintian desktop-file-utils ;;
  *) tools/install-packages.sh "${packages[@]}" "${package_tools[@]}" ;;
esac

build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMELVATO_WERROR=ON >/dev/null
if [ "$mode" = deb ]; then
  cmake --build "$build_dir" -j2 --target melvato melvato_doc
else
  cmake --build "$build_dir" -j2
fi

case "$mode" in
  test)
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
      ctest --test-dir "$build_dir" --output-on-failure -j2 --timeout 300
    ;;
  run)
    exec "$build_dir/melvato"
    ;;
  deb)
    rm -f "$build_dir"/melvato_*.deb
    (cd "$build_dir" && cpack -G DEB)
    deb=$(echo "$build_dir"/melvato_*.deb)
    lintian --fail-on error "$deb"
    desktop-file-validate data/melvato.desktop
    echo "$deb"
    ;;
  *)
    echo "usage: tools/build.sh run|test|deb" >&2
    exit 2
    ;;
esac
