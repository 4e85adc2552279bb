#!/usr/bin/env bash
# Sets up a Debian machine for Melvato, builds it, and then either starts the
# program ("run") or runs every test ("test").
#   tools/build.sh run    install packages, build, provide the data folder, start
#   tools/build.sh test   install packages, build, run all tests
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-run}"

packages=(cmake ninja-build g++ pkg-config clang
          qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
          libsdl2-dev libsdl2-mixer-dev libsndfile1-dev libzip-dev zip
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core)

tools/install-packages.sh "${packages[@]}"

build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMELVATO_WERROR=ON >/dev/null
cmake --build "$build_dir" -j2

case "$mode" in
  test)
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
      ctest --test-dir "$build_dir" --output-on-failure -j2 --timeout 300
    ;;
  run)
    exec "$build_dir/melvato"
    ;;
  *)
    echo "usage: tools/build.sh run|test" >&2
    exit 2
    ;;
esac
