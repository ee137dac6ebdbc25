# SPDX-License-Identifier: LGPL-2.1-or-later
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
    [[ -n "${E2E_ACCESSIBILITY_PID:-}" ]] && kill $(e2e_process_tree "$E2E_ACCESSIBILITY_PID") 2>/dev/null || true
    [[ -n "${E2E_SESSION_BUS_PID:-}" ]] && kill "$E2E_SESSION_BUS_PID" 2>/dev/null || true
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
# it from <cwd> (default <folder>), with the build's libraries. Sets E2E_PROGRAM_PID.
e2e_start_program() {
    local binary=$1 folder=$2 cwd=${3:-$2}
    cp "$binary" "$folder/"
    (cd "$cwd" && LD_LIBRARY_PATH="$(dirname "$binary")/../lib" exec "$folder/$(basename "$binary")") \
        >"$E2E_WORK/program.log" 2>&1 &
    E2E_PROGRAM_PID=$!
}

# Waits until a window with this exact title is mapped; prints its id. An instrumented
# program on a busy machine may take many seconds to show one.
e2e_window() {
    local title=$1 id
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "^${title}\$" | head -n 1) \
        || e2e_fail "no window \"$title\" appeared; the windows shown are [$(e2e_window_titles)]; program log: $(cat "$E2E_WORK/program.log")"
    echo "$id"
}

# The titles of the windows shown, separated by commas.
e2e_window_titles() {
    local id titles=()
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        titles+=("$(xdotool getwindowname "$id" 2>/dev/null)")
    done
    local IFS=,
    echo "${titles[*]}"
}

e2e_focus() {
    xdotool windowfocus --sync "$1"
}

# Clicks at a point given in twips inside the client area of a window (15 twips to a
# pixel), as the window designs give positions. The move is not awaited, for the reason
# given at e2e_double_click_twips.
e2e_click_twips() {
    local window=$1 left=$2 top=$3 button=${4:-1}
    local x=$(( left / 15 )) y=$(( top / 15 ))
    xdotool mousemove --window "$window" "$x" "$y" click "$button"
}

# Double-clicks at a point given in twips inside the client area of a window. The move
# is not awaited (--sync): xdotool would wait for a motion that never comes when the
# pointer is there already, and the server takes the move before the clicks anyway.
e2e_double_click_twips() {
    local window=$1 left=$2 top=$3
    local x=$(( left / 15 )) y=$(( top / 15 ))
    xdotool mousemove --window "$window" "$x" "$y" click --repeat 2 --delay 80 1
}

e2e_type() {
    xdotool type --delay 20 "$1"
}

e2e_key() {
    xdotool key --delay 20 "$@"
}

# Gives a key that the display's keyboard lacks (Multi_key, say) a keycode of its own.
# Call it before the program starts: xdotool would otherwise map the key for the press
# alone and map it back at once, and a program that reads the keyboard map after that
# sees a key with no symbol.
e2e_add_key() {
    local keysym=$1
    python3 - "$keysym" <<'PYTHON' || e2e_fail "could not add the key $keysym to the keyboard"
import ctypes, sys
xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XStringToKeysym.restype = ctypes.c_ulong
xlib.XStringToKeysym.argtypes = [ctypes.c_char_p]
xlib.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
xlib.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
xlib.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
xlib.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xlib.XFree.argtypes = [ctypes.c_void_p]

display = xlib.XOpenDisplay(None)
keysym = xlib.XStringToKeysym(sys.argv[1].encode())
if not display or not keysym:
    sys.exit(1)
lowest, highest, per_keycode = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
xlib.XDisplayKeycodes(display, ctypes.byref(lowest), ctypes.byref(highest))
count = highest.value - lowest.value + 1
symbols = xlib.XGetKeyboardMapping(display, lowest.value, count, ctypes.byref(per_keycode))
unused = [lowest.value + index for index in range(count)
          if not any(symbols[index * per_keycode.value + column] for column in range(per_keycode.value))]
xlib.XFree(symbols)
if not unused:
    sys.exit(1)
xlib.XChangeKeyboardMapping(display, unused[-1], 1, (ctypes.c_ulong * 1)(keysym), 1)
xlib.XSync(display, 0)
PYTHON
}

# Presses a window's close box: sends it the WM_DELETE_WINDOW request that a window
# manager sends (Xvfb runs none, so there is no frame to click), then waits until the
# window is gone from the screen.
e2e_close_box() {
    local window=$1 attempt
    python3 - "$window" <<'PYTHON' || e2e_fail "could not ask window $window to close"
import ctypes, sys
xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XInternAtom.restype = ctypes.c_ulong
xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
xlib.XFlush.argtypes = [ctypes.c_void_p]
xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):  # XEvent: 24 longs
    _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]

display = xlib.XOpenDisplay(None)
if not display:
    sys.exit(1)
event = Event()
message = event.message
message.type = 33  # ClientMessage
message.send_event = 1
message.display = display
message.window = int(sys.argv[1])
message.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
message.format = 32
message.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
message.data[1] = 0  # CurrentTime
status = xlib.XSendEvent(display, message.window, 0, 0, ctypes.byref(event))
xlib.XFlush(display)
xlib.XCloseDisplay(display)
sys.exit(0 if status else 1)
PYTHON
    for attempt in $(seq 100); do
        xwininfo -id "$window" 2>/dev/null | grep -q IsViewable || return 0
        sleep 0.1
    done
    e2e_fail "window $window did not close"
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

# Waits until some program has put text on the clipboard; prints it as it is.
e2e_clipboard() {
    local attempt
    for attempt in $(seq 100); do
        xclip -o -selection clipboard 2>/dev/null && return 0
        sleep 0.1
    done
    e2e_fail "nothing was put on the clipboard"
}

# A process and all its descendants, by id: the helpers a started service starts in turn.
e2e_process_tree() {
    local child
    echo "$1"
    for child in $(pgrep -P "$1"); do
        e2e_process_tree "$child"
    done
}

# Lets a test read what a window shows (the entries of its lists, its captions) through
# the accessibility interface, AT-SPI, instead of its pixels. Call it after
# e2e_start_display and before e2e_start_program: it starts a private session bus and
# accessibility bus, both gone when the test ends, and has the Qt programs started
# afterwards publish their controls there.
e2e_start_accessibility() {
    local address pid reply="" attempt
    [[ -x /usr/libexec/at-spi-bus-launcher ]] && command -v dbus-daemon gdbus >/dev/null \
        || e2e_fail "reading windows needs the packages at-spi2-core, dbus-daemon and libglib2.0-bin"
    { read -r address && read -r pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1) \
        || e2e_fail "no session bus"
    E2E_SESSION_BUS_PID=$pid
    export DBUS_SESSION_BUS_ADDRESS=$address QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_WORK/accessibility.log" 2>&1 &
    E2E_ACCESSIBILITY_PID=$!
    for attempt in $(seq 100); do
        reply=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
            --method org.a11y.Bus.GetAddress 2>/dev/null) && break
        sleep 0.1
    done
    [[ -n $reply ]] || e2e_fail "no accessibility bus: $(cat "$E2E_WORK/accessibility.log")"
    E2E_ACCESSIBILITY_BUS=$(sed -E "s/^\('(.*)',\)$/\1/" <<<"$reply")
}

# One call on the accessibility bus: <bus name> <object path> <interface.method> [args].
e2e_atspi_call() {
    gdbus call --address "$E2E_ACCESSIBILITY_BUS" --dest "$1" --object-path "$2" --method "$3" "${@:4}" </dev/null
}

# The children of an accessible object, one "<bus name> <object path>" a line.
e2e_atspi_children() {
    e2e_atspi_call "$1" "$2" org.a11y.atspi.Accessible.GetChildren \
        | grep -oE "'[^']*', (objectpath )?'[^']*'" | sed -E "s/^'([^']*)', (objectpath )?'([^']*)'$/\1 \3/"
}

e2e_atspi_role() {
    e2e_atspi_call "$1" "$2" org.a11y.atspi.Accessible.GetRoleName | sed -E "s/^\('(.*)',\)$/\1/"
}

# The name of an accessible object: a list entry's text, a label's caption. Texts with
# quotes or backslashes come out escaped as D-Bus tools print them.
e2e_atspi_name() {
    e2e_atspi_call "$1" "$2" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name \
        | sed -E "s/^\(<(.*)>,\)$/\1/; s/^'(.*)'$/\1/; s/^\"(.*)\"$/\1/"
}

# Every accessible object of a window's tree, depth first, without the entries of lists.
e2e_atspi_objects() {
    local bus path
    echo "$1 $2"
    [[ $(e2e_atspi_role "$1" "$2") == list ]] && return 0
    while read -r bus path; do
        e2e_atspi_objects "$bus" "$path"
    done < <(e2e_atspi_children "$1" "$2")
}

# The accessible object of a running program's <n>th list box (from 1, in the order of
# its window's design), as "<bus name> <object path>": e2e_list_object <program name> <n>.
# A list keeps its object while it lives, so each is looked up once.
declare -gA E2E_LIST_OBJECTS=()
e2e_list_object() {
    local program=$1 wanted=$2 bus path found="" count=0
    if [[ -n ${E2E_LIST_OBJECTS["$program $wanted"]:-} ]]; then
        echo "${E2E_LIST_OBJECTS["$program $wanted"]}"
        return 0
    fi
    while read -r bus path; do
        [[ $(e2e_atspi_name "$bus" "$path") == "$program" ]] && found="$bus $path"
    done < <(e2e_atspi_children org.a11y.atspi.Registry /org/a11y/atspi/accessible/root)
    [[ -n $found ]] || e2e_fail "$program is not on the accessibility bus (e2e_start_accessibility first)"
    while read -r bus path; do
        [[ $(e2e_atspi_role "$bus" "$path") == list ]] || continue
        (( ++count == wanted )) || continue
        E2E_LIST_OBJECTS["$program $wanted"]="$bus $path"
        echo "$bus $path"
        return 0
    done < <(e2e_atspi_objects $found)
    e2e_fail "$program shows no list $wanted"
}

# Prints the entries of a running program's <n>th list box, one a line:
# e2e_list_entries <program name> <n>.
e2e_list_entries() {
    local list bus path
    list=$(e2e_list_object "$1" "$2") || exit 1
    while read -r bus path; do
        e2e_atspi_name "$bus" "$path"
    done < <(e2e_atspi_children $list)
}

# Whether the arrays `actual` and `expected` of the caller hold the same texts in order.
e2e_same_entries() {
    local index
    [[ ${#actual[@]} -eq ${#expected[@]} ]] || return 1
    for index in "${!expected[@]}"; do
        [[ ${actual[index]} == "${expected[index]}" ]] || return 1
    done
}

# Waits until a program's <n>th list holds exactly the given entries, in order:
# e2e_expect_list <program name> <n> [entry...]. The program handles the input it was
# sent in its own time, so the list is read again until it matches or time runs out.
e2e_expect_list() {
    local program=$1 wanted=$2 attempt
    shift 2
    local -a expected=("$@") actual=()
    # Looked up afresh for each check: a window loaded again has lists of its own.
    unset 'E2E_LIST_OBJECTS["$program $wanted"]'
    e2e_list_object "$program" "$wanted" >/dev/null
    for attempt in $(seq 50); do
        mapfile -t actual < <(e2e_list_entries "$program" "$wanted")
        e2e_same_entries && return 0
        sleep 0.2
    done
    e2e_fail "list $wanted of $program holds [$(printf '"%s" ' "${actual[@]}")], expected [$(printf '"%s" ' "${expected[@]}")]"
}

# Waits until every given line is among the lines a command prints:
# e2e_expect_lines "<what the lines are>" <command> -- <line>... The program handles the
# input it was sent in its own time, so the command runs again until they are all there
# or time runs out.
e2e_expect_lines() {
    local what=$1 attempt printed="" wanted missing
    shift
    local -a command=()
    while [[ $1 != -- ]]; do
        command+=("$1")
        shift
    done
    shift
    for attempt in $(seq 50); do
        printed=$("${command[@]}")
        missing=""
        for wanted in "$@"; do
            grep -qxF -- "$wanted" <<<"$printed" || missing=$wanted
        done
        [[ -z $missing ]] && return 0
        sleep 0.2
    done
    e2e_fail "no line of $what is \"$missing\"; they are:
$printed"
}
