# shellcheck shell=bash
# Sourced by the desktop end-to-end tests: runs the user scenario (user_scenario.txt beside this
# file) on the driver's primitives, which the sourcing script defines:
#   scenario_key KEY            presses one key, by its name in the scenario
#   scenario_type TEXT          types TEXT
#   scenario_menu_about         chooses "About Vardolin..." in the window menu
#   scenario_picture            takes the picture
#   scenario_active_title       prints the title of the active window
#   scenario_window_count TITLE prints how many windows titled TITLE are open
#   scenario_focused_text       prints the text of the focused box
#   scenario_notice_open        succeeds while the notice is open
#   scenario_ended              succeeds once the program has ended with status 0
# Every check waits for its state, 10 seconds at the most. Failures are told on the standard
# output, and run_user_scenario fails if there were any.

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
scenario_counts() { [ "$(scenario_window_count "$2")" -eq "$1" ]; }
scenario_shows() { [ "$(scenario_focused_text)" = "$1" ]; }

# The text of a step's argument: without the quotes around it, if it has them.
scenario_text() {
    local text=$1
    if [[ "$text" == \"*\" ]]; then
        text=${text#\"}
        text=${text%\"}
    fi
    printf '%s' "$text"
}

run_user_scenario() {
    local file step rest text
    file="$(dirname "${BASH_SOURCE[0]}")/user_scenario.txt"
    while IFS= read -r line || [ -n "$line" ]; do
        [[ -z "$line" || "$line" == \#* ]] && continue
        step=${line%% *}
        rest=${line#* }
        case "$step" in
            key)
                for key in $rest; do
                    scenario_key "$key"
                done
                ;;
            type) scenario_type "$rest" ;;
            menu) scenario_menu_about ;;
            picture) scenario_picture ;;
            expect)
                local check=${rest%% *} what=${rest#* }
                case "$check" in
                    window)
                        wait_for 10 scenario_is_active "$what" ||
                            scenario_fail "'$what' is not the active window ('$(scenario_active_title)')"
                        ;;
                    windows)
                        wait_for 10 scenario_counts "${what%% *}" "${what#* }" ||
                            scenario_fail "not ${what%% *} windows '${what#* }'"
                        ;;
                    focused)
                        text=$(scenario_text "$what")
                        wait_for 10 scenario_shows "$text" ||
                            scenario_fail "the focused box shows '$(scenario_focused_text)', not '$text'"
                        ;;
                    notice) wait_for 10 scenario_notice_open || scenario_fail "no notice" ;;
                    ended) scenario_ended || scenario_fail "the program did not end with status 0" ;;
                    *) scenario_fail "no check '$check'" ;;
                esac
                ;;
            *) scenario_fail "no step '$step'" ;;
        esac
    done <"$file"
    echo "user scenario: $scenario_failures failures"
    [ "$scenario_failures" -eq 0 ]
}
