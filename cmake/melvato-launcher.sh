#!/bin/sh
# Starts Melvato from its installation folder, where its media archives lie.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/melvato/melvato" "$@"
