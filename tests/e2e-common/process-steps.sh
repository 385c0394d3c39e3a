# SPDX-License-Identifier: GPL-3.0-or-later
# Steps shared by the end-to-end scripts for waiting, starting processes in the background and
# collecting their exit codes. Source it from bash; a script that sets -e calls the steps that
# may fail with || as usual. Sourcing it sets the EXIT trap: it ends every process started with
# in_background that is still running, then runs what the script gave to at_exit.

exit_steps=()
# at_exit COMMAND...: a command for the EXIT trap, run after the processes have been ended, in
# the order given.
at_exit() { exit_steps+=("$(printf '%q ' "$@")"); }
on_exit() {
    local step
    end_started
    for step in "${exit_steps[@]}"; do eval "$step" || true; done
}
trap on_exit EXIT
# A script that is interrupted or stopped (ctest's timeout) still runs its EXIT trap.
trap 'exit 130' INT
trap 'exit 143' TERM

# The default failure; the scripts that look at the screen replace it with fail_showing_screen.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# eventually [--within SECONDS] COMMAND...: runs the command until it succeeds, for up to
# SECONDS (5 by default); false when it never did.
eventually() {
    local tenths=50 k
    if [[ ${1-} == --within ]]; then
        tenths=$(($2 * 10))
        shift 2
    fi
    for ((k = 0; k < tenths; k++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The pids of the processes started with in_background that have not been collected yet.
started=()

# in_background COMMAND...: starts the command in the background (with the caller's
# redirections) for end_started to end; its pid is in $!.
in_background() {
    "$@" &
    started+=("$!")
}

# Whether the process still runs as a child of this shell: not ended, not a zombie, and not a
# program that has been given its pid since.
ours() {
    local stat state parent
    stat=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) || return 1
    read -r state parent _ <<<"$stat"
    [[ $state != Z && $parent == "$$" ]]
}
gone() { ! ours "$1"; }

# wait_for_exit PID [SECONDS]: returns the exit code of a process of ours, waiting up to SECONDS
# (10 by default); one still running then is killed, and 124 returned.
wait_for_exit() {
    local pid=$1 code=0 p remaining=()
    if eventually --within "${2:-10}" gone "$pid"; then
        wait "$pid" 2>/dev/null || code=$?
    else
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        code=124
    fi
    for p in "${started[@]}"; do [[ $p == "$pid" ]] || remaining+=("$p"); done
    started=("${remaining[@]}")
    return "$code"
}

# end_process PID: asks a process of ours to end, kills it when it has not within 5 s, and
# collects it.
end_process() {
    if ours "$1"; then kill "$1" 2>/dev/null || true; fi
    wait_for_exit "$1" 5 || true
}

# Ends every process started with in_background that is still running.
end_started() {
    local pid
    for pid in "${started[@]}"; do end_process "$pid"; done
}
