#!/bin/sh
# Runs a command with DISPLAY set to a private Xvfb on a free display, and stops
# that server, by its own pid, when the command ends.
set -eu
dir=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$dir/display" >"$dir/log" 2>&1 &
xpid=$!
stop() { kill "$xpid" 2>/dev/null || true; wait "$xpid" 2>/dev/null || true; rm -rf "$dir"; }
trap stop EXIT INT TERM
i=0
while [ ! -s "$dir/display" ]; do
    i=$((i + 1))
    if [ $i -gt 100 ] || ! kill -0 "$xpid" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$dir/log" >&2
        exit 1
    fi
    sleep 0.1
done
DISPLAY=":$(head -n1 "$dir/display")"
export DISPLAY
set +e
"$@"
rc=$?
set -e
exit $rc
