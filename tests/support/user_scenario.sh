# shellcheck shell=bash
# Sourced by the desktop end-to-end tests: runs the user scenario (user_scenario.txt beside this
# file) through pytest and user_scenario.py, which read it and wait on every check, and answers
# their requests with the driver's primitives, which the sourcing script defines:
#   scenario_key KEY            presses one key, by its name in the scenario
#   scenario_type TEXT          types TEXT
#   scenario_menu_about         chooses "About Vardolin..." in the window menu
#   scenario_picture            takes the picture
#   scenario_active_title       prints the title of the active window
#   scenario_window_count TITLE prints how many windows titled TITLE are open
#   scenario_focused_text       prints the text of the focused box
#   scenario_notice_open        succeeds while the notice is open
#   scenario_ended              succeeds once the program has ended with status 0
# A primitive that fails on its own calls scenario_fail. Failures are told on the standard output
# and the standard error, and run_user_scenario fails if there were any.

scenario_failures=0

# Runs COMMAND... until it succeeds, for SECONDS at the most; succeeds when it did.
wait_for() {
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

scenario_fail() {
    echo "FAIL: $*"
    scenario_failures=$((scenario_failures + 1))
}

scenario_is_active() { [ "$(scenario_active_title)" = "$1" ]; }
scenario_shows() { [ "$(scenario_focused_text)" = "$1" ]; }

# Answers one request of the scenario's driver (conftest.py) on the standard output, in one line.
scenario_answer() {
    local request=$1 argument=$2 answer=""
    case "$request" in
        key) scenario_key "$argument" >&2 ;;
        type) scenario_type "$argument" >&2 ;;
        menu) scenario_menu_about >&2 ;;
        picture) scenario_picture >&2 ;;
        title) answer=$(scenario_active_title) ;;
        count) answer=$(scenario_window_count "$argument") ;;
        focused) answer=$(scenario_focused_text) ;;
        notice) scenario_notice_open >&2 && answer=yes ;;
        ended) scenario_ended >&2 && answer=yes ;;
    esac
    printf '%s\n' "${answer//$'\n'/ }"
}

# Runs the scenario's checks as pytest tests (user_scenario.py), answering their requests; the
# pytest expression in SCENARIO_SELECT, if set, chooses checks (-k).
run_user_scenario() {
    local pipes runner requests answers request argument
    pipes=$(mktemp -d)
    mkfifo "$pipes/requests" "$pipes/answers"
    /usr/bin/python3 -B -m pytest -p no:cacheprovider -v -rs \
        "$(dirname "${BASH_SOURCE[0]}")/user_scenario.py" ${SCENARIO_SELECT:+-k "$SCENARIO_SELECT"} \
        3>"$pipes/requests" 4<"$pipes/answers" &
    runner=$!
    exec {requests}<"$pipes/requests" {answers}>"$pipes/answers"
    while IFS=$'\t' read -r request argument <&"$requests"; do
        scenario_answer "$request" "$argument" >&"$answers"
    done
    exec {answers}>&- {requests}<&-
    rm -rf "$pipes"
    wait "$runner" || scenario_fail "the user scenario"
    [ "$scenario_failures" -eq 0 ]
}
