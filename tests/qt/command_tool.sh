# shellcheck shell=bash
# Sourced by the tests that drive a compositor through a helper process of their own
# (gnome_remote.py, wayland_keys), started by the sourcing script as the coprocess TOOL: the
# helper says "ok" once it is ready, takes a command a line, and answers "ok" once the command
# is done, or "error: ...".

# Reads the helper's next answer into tool_answer, 30 s at the most; succeeds if it is "ok".
tool_reply() {
    read -r -t 30 tool_answer <&"${TOOL[0]}" || tool_answer="no answer"
    [ "$tool_answer" = ok ]
}

# Sends a command to the helper and waits until it is done; tells the sourcing script's `fail`
# if it failed.
tool() {
    echo "$*" >&"${TOOL[1]}"
    tool_reply || fail "'$*': $tool_answer"
}
