# A private sound server for the test scripts: a PulseAudio daemon with one
# null sink, "capture", whose monitor records whatever programs play; source it
# (it brings script_helpers.sh).
source "$(dirname "${BASH_SOURCE[0]}")/script_helpers.sh"

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
    end_process "${recorder:-}"
    end_process "${sound_server:-}"
    recorder=""
    sound_server=""
}

# start_recording: records the sink's monitor into $work/recorded.raw (raw
# 16-bit stereo at 44.1 kHz) as $recorder, once the recording runs.
start_recording() {
    recording=$work/recorded.raw
    parec -d capture.monitor --latency-msec=100 --format=s16le --rate=44100 --channels=2 "$recording" &
    recorder=$!
    wait_until 10 bash -c '[ -n "$(pactl list short source-outputs)" ]' ||
        fail "the recording did not start"
}

# stop_recording: ends the recording and sets $peak to its peak, 0 to 1.
stop_recording() {
    sleep 0.5
    end_process "$recorder"
    recorder=""
    [ -s "$recording" ] || fail "nothing was recorded"
    peak=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$recording" -n stat 2>&1 |
        awk '/^Maximum amplitude/ { print $3 }')
}

# recorded_above LEVEL WHAT / recorded_silence WHAT: end the recording and
# check that its peak is above LEVEL (0 to 1) / is nothing at all.
recorded_above() {
    stop_recording
    awk -v peak="$peak" -v level="$1" 'BEGIN { exit !(peak > level) }' ||
        fail "$2 peaked at \"$peak\", not above $1"
    echo "$2: peak $peak"
}
recorded_silence() {
    stop_recording
    [ "$peak" = "0.000000" ] || fail "$1 peaked at \"$peak\", not silence"
    echo "$1: peak $peak"
}

# play_until_over: drops pieces with Space until the game is over and its
# message sound has had time to play. A Space may reach the game-over message
# and answer it, so the title tells when the game is over.
play_until_over() {
    local tick
    for tick in $(seq 0 199); do
        title_is "Brimal  " && break
        [ $((tick % 5)) -eq 0 ] && keys space
        sleep 0.1
    done
    title_is "Brimal  " || fail "the game did not end"
    sleep 0.7
}

# two_landings PAUSE: drops two pieces with Space, PAUSE seconds apart, each
# landing with its sound.
two_landings() {
    keys space
    sleep "$1"
    keys space
    sleep "$1"
}
