# What the tools scripts share; sourced, never run. Each script names itself in $tool first.

fail() {
    echo "$tool: $*" >&2
    exit 1
}

# Waits up to SECONDS (a tenth of a second at a time) for a command to succeed.
await_for() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# The version, as project() in CMakeLists.txt gives it.
quorvel_version() {
    sed -n 's/^ *VERSION \([0-9][0-9.]*\)$/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt" |
        head -n 1
}
