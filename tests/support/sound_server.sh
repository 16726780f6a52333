# A private sound server for the test scripts: a PulseAudio daemon with one
# null sink, "capture", whose monitor records whatever programs play; source it
# after script_helpers.sh.

# start_sound_server DIR: starts the daemon with DIR as its runtime folder, as
# $sound_server, and points PulseAudio's clients at it (PULSE_SERVER).
start_sound_server() {
    mkdir -p "$1"
    chmod 700 "$1"
    XDG_RUNTIME_DIR=$1 pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm=yes \
        --load="module-null-sink sink_name=capture" \
        --load="module-native-protocol-unix socket=$1/native auth-anonymous=1" \
        >"$1/log" 2>&1 &
    sound_server=$!
    export PULSE_SERVER=unix:$1/native
    wait_until 10 pactl info || fail "the sound server did not start: $(cat "$1/log")"
}

# stop_sound_server: stops a recording still running, then the daemon, by
# their pids.
stop_sound_server() {
    if [ -n "${recorder:-}" ]; then
        kill "$recorder" 2>/dev/null || true
        wait "$recorder" 2>/dev/null || true
        recorder=""
    fi
    if [ -n "${sound_server:-}" ]; then
        kill "$sound_server" 2>/dev/null || true
        wait "$sound_server" 2>/dev/null || true
        sound_server=""
    fi
}

# start_recording FILE: records the sink's monitor into FILE (raw 16-bit
# stereo at 44.1 kHz) as $recorder, once the recording runs.
start_recording() {
    recording=$1
    parec -d capture.monitor --latency-msec=100 --format=s16le --rate=44100 --channels=2 "$recording" &
    recorder=$!
    wait_until 10 bash -c '[ -n "$(pactl list short source-outputs)" ]' ||
        fail "the recording did not start"
}

# stop_recording: ends the recording and sets $peak to its peak, 0 to 1.
stop_recording() {
    sleep 0.5
    kill "$recorder" 2>/dev/null || true
    wait "$recorder" 2>/dev/null || true
    recorder=""
    [ -s "$recording" ] || fail "nothing was recorded"
    peak=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$recording" -n stat 2>&1 |
        awk '/^Maximum amplitude/ { print $3 }')
}

# louder PEAK LEVEL: whether the peak is above the level.
louder() { awk -v peak="$1" -v level="$2" 'BEGIN { exit !(peak > level) }'; }
