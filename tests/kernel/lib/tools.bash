# Sourced by the kernel lab and by the end-to-end scripts' program.bash: each reacts to a missing
# command in its own way (the lab skips, an end-to-end test fails).

# $1: what to call with the reason where a command is missing, $2...: the commands.
need_commands() {
    local react=$1 tool
    shift
    for tool in "$@"; do
        command -v "$tool" >/dev/null || "$react" "$tool is not installed (scripts/install-deps test)"
    done
}
