# A private accessibility bus, as a desktop with a screen reader has one;
# source it after own_session (it needs $XDG_RUNTIME_DIR).

# start_accessibility_bus DIR: starts a session bus of its own whose address
# is kept in DIR, asks it for the accessibility bus (which starts AT-SPI's
# bus launcher and registry) and exports what a program then needs to be
# read: the session bus's address and Qt's switch to its AT-SPI bridge.
# Returns 1 when the buses cannot be had. end_accessibility_bus ends them.
start_accessibility_bus() {
    command -v dbus-daemon >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] || return 1
    bus_pid=""
    dbus-daemon --session --nofork --print-address=3 3>"$1/bus-address" 2>"$1/bus.log" &
    bus_pid=$!
    bus_settled() { grep -q . "$1/bus-address" || ! kill -0 "$bus_pid"; }
    wait_until 10 bus_settled "$1" || return 1
    export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$1/bus-address")
    [ -n "$DBUS_SESSION_BUS_ADDRESS" ] || return 1
    # The launcher is started by the bus on this first call.
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress >/dev/null 2>>"$1/bus.log" || return 1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# end_accessibility_bus: ends the bus of start_accessibility_bus; the
# launcher and registry it started follow it out.
end_accessibility_bus() {
    [ -n "${bus_pid:-}" ] || return 0
    kill "$bus_pid" 2>/dev/null || true
    wait "$bus_pid" 2>/dev/null || true
    bus_pid=""
}

# accessibility_or_skip: starts the accessibility bus in $work and sets
# $reader, the AT-SPI reader (screen_reader.py); exits 77 (skipped) where the
# bus or AT-SPI's Python binding is missing.
accessibility_or_skip() {
    start_accessibility_bus "$work" || { echo "no accessibility bus: skipped"; exit 77; }
    /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
        { echo "no AT-SPI for Python: skipped"; exit 77; }
    reader=$(realpath "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py")
}
