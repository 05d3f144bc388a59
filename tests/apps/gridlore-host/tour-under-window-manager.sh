#!/bin/sh
# Starts the host, then plays its tour, on a virtual display of its own under a window
# manager, and fails on any complaint of GTK's: a managed window goes through size
# negotiations that a bare X server never asks for, so faults in them show only here.
# Usage: tour-under-window-manager.sh HOST_EXECUTABLE
set -eu
host=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Openbox runs the session once it manages the screen, and ends when the session does.
# Every wait in it is bounded, so a host that hangs fails the test instead of stalling it.
cat >"$scratch/session" <<SESSION
#!/bin/sh
export GRIDLORE_HOST_NO_BOXES=1 XDG_CONFIG_HOME="$scratch/config" XDG_STATE_HOME="$scratch/state"
# A plain start, closed by the user's Ctrl+Q once its window shows.
timeout 60 "$host" >"$scratch/start.out" 2>"$scratch/start.err" &
started=\$!
window=\$(timeout 30 xdotool search --sync --onlyvisible --name '^GridloreUI Host' | head -n 1)
[ -n "\$window" ] && xdotool windowactivate --sync "\$window" key ctrl+q
wait \$started
echo \$? >"$scratch/start.exit"
timeout 300 "$host" --tour "$scratch/shots" >"$scratch/tour.out" 2>"$scratch/tour.err"
echo \$? >"$scratch/tour.exit"
openbox --exit || kill \$PPID
SESSION
chmod +x "$scratch/session"
timeout 420 xvfb-run -a -s "-screen 0 1280x1024x24" openbox --startup "$scratch/session" \
    >"$scratch/wm" 2>&1 || true

status=0
for run in start tour; do
    if [ ! -s "$scratch/$run.exit" ]; then
        echo "$run: never ran or never ended under the window manager:" >&2
        cat "$scratch/wm" >&2
        status=1
    elif [ "$(cat "$scratch/$run.exit")" != 0 ] ||
        grep -E 'Gtk-(CRITICAL|WARNING)' "$scratch/$run.err" >/dev/null; then
        echo "$run: exit code $(cat "$scratch/$run.exit"), and what the host said:" >&2
        cat "$scratch/$run.err" >&2
        status=1
    fi
done
# The tour prints the system chosen in it: a tour that did nothing proves nothing.
if [ ! -s "$scratch/tour.out" ]; then
    echo "tour: printed no chosen system" >&2
    status=1
fi
exit "$status"
