#!/bin/sh
# Checks the folders' include directions: nothing below shell/ includes shell/,
# services/ includes no other folder, and no two folders include each other,
# directly or round about. Usage: tools/check-layers.sh [source root]
set -eu
cd "${1:-$(dirname "$0")/..}"
folders="services questions quiz exchange network translation shell"
edges=$(for from in $folders; do
    [ -d "$from" ] || continue
    find "$from" -name '*.cpp' -o -name '*.h' | xargs -r grep -h '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
        sed -n 's|^[^"]*"\([^/"]*\)/.*|\1|p' | sort -u | while read -r to; do
        case " $folders " in *" $to "*) [ "$to" = "$from" ] || echo "$from $to" ;; esac
    done
done)
status=0
for bad in $(echo "$edges" | awk '$2 == "shell" || ($1 == "services") {print $1 "->" $2}'); do
    echo "layer break: $bad"
    status=1
done
# tsort reports a loop on stderr when the include graph has a circle.
if ! echo "$edges" | tsort >/dev/null 2>/tmp/check-layers.$$; then :; fi
if [ -s /tmp/check-layers.$$ ]; then
    echo "folder circle:"
    cat /tmp/check-layers.$$
    status=1
fi
rm -f /tmp/check-layers.$$
[ $status -eq 0 ] && echo "include directions ok: $(echo "$edges" | tr '\n' ';')"
exit $status
