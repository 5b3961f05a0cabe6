#!/usr/bin/env bash
# The desktop program on a real X server with a window manager (Xvfb and openbox), driven with
# xdotool and xclip, for what Qt's offscreen platform cannot show: activation, the keyboard focus
# and another program's clipboard; and F7 and F10 pressed on a real keyboard.
#
#   RealDesktopTest.sh PATH/TO/vantric
#
# Exit status 0 when every check passed, 1 when one failed, 77 when no X server could be started.
# Everything it starts is stopped again, also when a check fails.
set -u

vantric=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    for log in "$work"/*.log; do echo "--- ${log##*/}"; tail -n 20 "$log"; done
    exit 1
}

# Runs a command until it succeeds; false after `seconds`. The sanitizer build is slow, so the
# limits are generous and nothing waits longer than it has to.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.1
    done
}
visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_visible_window() { [ -n "$(visible_window "$1")" ]; }
no_visible_window() { ! has_visible_window "$1"; }
file_is() { cmp -s "$1" "$2"; }

# The X server picks a free display number itself and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
if ! wait_for 20 test -s "$work/display"; then
    echo "SKIP: Xvfb could not be started"
    exit 77
fi
export DISPLAY=":$(head -n 1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

HOME=$work openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"

start_vantric() {  # start_vantric LOG [FILE]: starts the program and waits for its main window
    "$vantric" "${@:2}" >"$work/$1" 2>&1 &
    pids+=($!)
    wait_for 60 has_visible_window '^Vantric - ' || fail "the main window did not appear"
    main=$(visible_window '^Vantric - ')
}
stop_vantric() {
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null
    unset 'pids[-1]'
}

# --- The splash outlives the window manager's activation of the main window, not a click on it.
start_vantric splash.log
wait_for 20 has_visible_window '^Vantric$' || fail "the splash did not appear"
splash=$(visible_window '^Vantric$')
timeout 20 xdotool windowactivate --sync "$main"
sleep 1
xwininfo -id "$splash" | grep -q IsViewable || fail "the splash closed when the main window was activated"
xdotool mousemove --window "$main" 20 150 click 1  # in the editor, beside the splash
wait_for 20 sh -c "! xwininfo -id $splash | grep -q IsViewable" || fail "a click on the main window left the splash open"
stop_vantric

# --- F5 round a loop with a breakpoint leaves the keyboard working.
program=$work/loop.85
printf '\tMVI C,05H\r\nLOOP:\tDCR C\r\n;BREAK\r\n\tNOP\r\n\tJNZ LOOP\r\n\tHLT\r\n' >"$program"
cp "$program" "$work/expected"
start_vantric loop.log "$program"
timeout 20 xdotool windowactivate --sync "$main"
for press in 1 2 3; do  # assembles and stops at the breakpoint, then resumes to it twice
    xdotool key F5
    sleep 0.3
    wait_for 30 no_visible_window '^Simulation$' || fail "F5 number $press left the run window open"
    sleep 0.5
done
xdotool key F9 ctrl+End  # halt, so that the editor takes typing again
xdotool type ';ok'
xdotool key Return ctrl+s
printf ';ok\r\n' >>"$work/expected"
wait_for 30 file_is "$program" "$work/expected" || fail "the keys after resumed breakpoints were lost"

# --- Edit > Paste takes another program's CR LF text line for line.
printf 'NOP\r\nHLT\r\n' >"$work/clip"
xclip -selection clipboard -quiet <"$work/clip" >"$work/xclip.log" 2>&1 &
pids+=($!)
wait_for 20 sh -c "xclip -selection clipboard -o | cmp -s - '$work/clip'" || fail "xclip did not take the clipboard"
xdotool key alt+e
sleep 0.5
xdotool key Down Down Return  # Cut, Copy, Paste
sleep 0.5
xdotool key ctrl+s
cat "$work/clip" >>"$work/expected"
wait_for 30 file_is "$program" "$work/expected" || fail "Edit > Paste changed the line breaks: $(od -c "$program" | tail -n 3)"

stop_vantric  # xclip, started last
stop_vantric

# --- F7 to the CALL's line, then F10 over the CALL: the printed registers show the subroutine's work.
program=$work/multiply.85
printf '\tMVI C,05H\r\n\tCALL MUL\r\n\tHLT\r\nMUL:\tMVI A,00H\r\nLOOP:\tADI 03H\r\n\tDCR C\r\n\tJNZ LOOP\r\n\tRET\r\n' >"$program"
VANTRIC_PRINT_PDF=$work/registers.pdf start_vantric multiply.log "$program"
timeout 20 xdotool windowactivate --sync "$main"
xdotool key F4
wait_for 30 has_visible_window '^Simulation$' && sleep 1
timeout 20 xdotool windowactivate --sync "$(visible_window '^Simulation$')" key Escape  # Close, once assembled
wait_for 30 no_visible_window '^Simulation$' || fail "the run window stayed open after assembling"
xdotool mousemove --window "$main" 20 150 click 1
for keys in "ctrl+Home Down F7" F10 alt+f r; do  # r: File > P&rint regs and mem
    sleep 0.5
    xdotool key $keys
done
printed() { pdftotext -layout "$work/registers.pdf" - 2>/dev/null | grep -q 'PC: 1005'; }
wait_for 30 printed || fail "F7 and F10 did not stop on HLT: $(pdftotext "$work/registers.pdf" - 2>&1)"
for expected in ' A: 0F' ' B: 00 00 :C' 'SP: FFF0'; do
    pdftotext -layout "$work/registers.pdf" - | grep -q "$expected" || fail "after F10 the registers lack '$expected'"
done

echo "PASS"
