#!/usr/bin/env bash
# Builds the program and its tests with gcc's coverage counters into their own
# folder, runs every test and prints line and branch coverage per library:
# melvato_core folder by folder with its total, then melvato_gui.
#   tools/coverage.sh            build into build-cov, test, report
#   BUILD_DIR=x tools/coverage.sh
# Exits non-zero when a test failed (the figures are printed all the same).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh gcovr

dir="${BUILD_DIR:-build-cov}"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMELVATO_COVERAGE=ON -DMELVATO_BENCH=OFF >/dev/null
nice -n 5 cmake --build "$dir" -j2

# Test discovery ran the test programs during the build; count only the test run.
find "$dir" -name '*.gcda' -delete
status=0
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  ctest --test-dir "$dir" -j2 --timeout 600 --output-on-failure >"$dir/ctest.log" 2>&1 || status=$?
tail -3 "$dir/ctest.log"

folders='(services|shell|questions|quiz|exchange|network|translation)/'
for lib in melvato_core melvato_gui; do
  gcovr -r . --filter "$folders" --exclude-throw-branches --exclude-unreachable-branches \
        --json-summary "$dir/coverage-$lib.json" "$dir/CMakeFiles/$lib.dir" >/dev/null
done

python3 - "$dir" <<'EOF'
import json, sys
d = sys.argv[1]
def row(name, files):
    lc = sum(f["line_covered"] for f in files); lt = sum(f["line_total"] for f in files)
    bc = sum(f["branch_covered"] for f in files); bt = sum(f["branch_total"] for f in files)
    pct = lambda c, t: f"{100.0 * c / t:5.1f} %" if t else "    - "
    print(f"{name:24} lines {pct(lc, lt)} ({lc}/{lt})   branches {pct(bc, bt)} ({bc}/{bt})")
for lib in ("melvato_core", "melvato_gui"):
    files = json.load(open(f"{d}/coverage-{lib}.json"))["files"]
    if lib == "melvato_core":
        for folder in sorted({f["filename"].split("/")[0] for f in files}):
            row(f"  {folder}/", [f for f in files if f["filename"].startswith(folder + "/")])
    row(lib, files)
EOF
exit "$status"
