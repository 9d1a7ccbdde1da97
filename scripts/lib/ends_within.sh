# shellcheck shell=bash
# Sourced by tests that start a program: ends_within SECONDS PID waits until the process has
# ended, for SECONDS at the most, and says whether it has.
ends_within() {
    local tenths=$(($1 * 10))
    for _ in $(seq "$tenths"); do
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.1
    done
    ! kill -0 "$2" 2>/dev/null
}
