# shellcheck shell=bash
# Sourced by tests that start a program: ends_within SECONDS PID waits until the process has
# ended, for SECONDS at the most, and says whether it has; ended WHAT waits 10 s for the
# program $pid to end and tells the sourcing script's `fail` unless it ended with status 0 (a
# program still running is killed).
ends_within() {
    local tenths=$(($1 * 10))
    for _ in $(seq "$tenths"); do
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.1
    done
    ! kill -0 "$2" 2>/dev/null
}

# shellcheck disable=SC2154 # pid is the sourcing script's program
ended() {
    if ! ends_within 10 "$pid"; then
        fail "$1: the program is still running"
        kill -9 "$pid"
        wait "$pid" 2>/dev/null || true
        return
    fi
    wait "$pid" || fail "$1: the program ended with status $?"
}
