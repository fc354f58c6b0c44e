#!/bin/sh
# Runs a test with a sound output of its own: a private PulseAudio server whose only sink
# discards what it is given, while its monitor lets a test record what it played. Build and CI
# machines have no sound card, and Qt then plays into nothing and cannot show what a listener
# would hear. Without pulseaudio installed the test runs as it is (and skips what needs an
# output).
set -u
if ! command -v pulseaudio >/dev/null 2>&1; then
    exec "$@"
fi
dir=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
cat >"$dir/server.pa" <<PA
load-module module-null-sink sink_name=kestrel_test
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native
set-default-sink kestrel_test
PA
# The server keeps its state in the throw-away folder, not in the user's home.
HOME=$dir XDG_RUNTIME_DIR=$dir XDG_CONFIG_HOME=$dir pulseaudio -n -F "$dir/server.pa" \
    --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr --log-level=error &
server=$!
export PULSE_SERVER="unix:$dir/native"
# What the sink plays, for tests that record it.
export KESTREL_SOUND_MONITOR=kestrel_test.monitor
tries=0
until pactl info >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "with-sound-output: the sound server did not start" >&2
        exit 1
    fi
    sleep 0.05
done
"$@"
