# Shared steps of the end-to-end tests: each test runs a real program on its own Xvfb
# display and drives it with real X input through xdotool.
#   source tools/e2e.sh; e2e_start_display; e2e_start_program <binary> <folder>; ...
set -euo pipefail

e2e_fail() {
    echo "FAILED: $*" >&2
    exit 1
}

e2e_cleanup() {
    [[ -n "${E2E_PROGRAM_PID:-}" ]] && kill "$E2E_PROGRAM_PID" 2>/dev/null || true
    [[ -n "${E2E_XVFB_PID:-}" ]] && kill "$E2E_XVFB_PID" 2>/dev/null || true
    [[ -n "${E2E_WORK:-}" ]] && rm -rf "$E2E_WORK"
    return 0
}

# A private display and a private working folder, both gone when the test ends.
e2e_start_display() {
    E2E_WORK=$(mktemp -d)
    trap e2e_cleanup EXIT
    local displayfd="$E2E_WORK/display"
    mkfifo "$displayfd"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$displayfd" 2>"$E2E_WORK/xvfb.log" &
    E2E_XVFB_PID=$!
    local number
    read -r number <"$displayfd" || e2e_fail "Xvfb did not start: $(cat "$E2E_WORK/xvfb.log")"
    export DISPLAY=":$number"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Copies the program into <folder>, so that its program folder is <folder>, and starts
# it from <cwd> (default <folder>). Sets E2E_PROGRAM_PID.
e2e_start_program() {
    local binary=$1 folder=$2 cwd=${3:-$2}
    cp "$binary" "$folder/"
    (cd "$cwd" && exec "$folder/$(basename "$binary")") >"$E2E_WORK/program.log" 2>&1 &
    E2E_PROGRAM_PID=$!
}

# Waits until a window with this exact title is mapped; prints its id.
e2e_window() {
    local title=$1 id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "^${title}\$" | head -n 1) \
        || e2e_fail "no window \"$title\" appeared; program log: $(cat "$E2E_WORK/program.log")"
    echo "$id"
}

e2e_focus() {
    xdotool windowfocus --sync "$1"
}

# Clicks at a point given in twips inside the client area of a window (15 twips to a
# pixel), as the window designs give positions.
e2e_click_twips() {
    local window=$1 left=$2 top=$3 button=${4:-1}
    local x=$(( left / 15 )) y=$(( top / 15 ))
    xdotool mousemove --sync --window "$window" "$x" "$y" click "$button"
}

e2e_type() {
    xdotool type --delay 20 "$1"
}

e2e_key() {
    xdotool key --delay 20 "$@"
}

# Waits for the program to end and checks its exit status.
e2e_expect_exit() {
    local expected=${1:-0} status=0
    timeout 30 tail --pid="$E2E_PROGRAM_PID" -f /dev/null || e2e_fail "the program did not end"
    wait "$E2E_PROGRAM_PID" || status=$?
    E2E_PROGRAM_PID=
    [[ $status -eq $expected ]] || e2e_fail "exit status $status, expected $expected"
}

# Compares a file byte for byte with the expected text (printf-style escapes allowed).
e2e_expect_file() {
    local file=$1 expected=$2
    [[ -f "$file" ]] || e2e_fail "$file was not written"
    cmp -s "$file" <(printf "$expected") || e2e_fail "$file holds $(od -c "$file" | head -20)"
}
