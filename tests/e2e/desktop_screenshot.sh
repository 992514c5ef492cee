#!/usr/bin/env bash
# The desktop program started on the demo settings on a virtual screen: its main
# window must appear and be painted, not blank, within half a minute. Then a page
# of the demo is opened from the keyboard (Ctrl+O, its path typed into the file
# dialog), and the window with the demo's menu built and the page's proposals is
# the screenshot the README opens with (docs/main-window.png is a copy of it).
# Usage: desktop_screenshot.sh WEBKESTRANE ARTIFACTS
if [ "${DISPLAY_READY:-}" != 1 ]; then
    # Again, inside a fresh X server; the test's pass or fail comes back from there.
    DISPLAY_READY=1 QT_QPA_PLATFORM=xcb exec xvfb-run -a -s '-screen 0 1280x800x24' bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
WK=$1
SHOT=$2/desktop/main-window.png
mkdir -p "${SHOT%/*}" && rm -f "$SHOT"
bash "$REPO/scripts/demo-copy.sh" "$WK" "$WORK" || exit 1
# Tips off, so the main window is the only one.
printf '0\r\n' > "$WORK/settings/tip.sgt"

# Whether the main window is on the screen with more than a handful of colours.
painted() {
    local window
    window=$(xwininfo -root -tree | awk '/"Web Kestrane Menu Builder/ { print $1; exit }') &&
        [ -n "$window" ] && import -window "$window" "$SHOT" &&
        [ "$(identify -format %k "$SHOT")" -ge 16 ]
}
# Whether the file dialog is open, and whether it has closed again.
dialog_open() { xdotool search --onlyvisible --name '^Open$' >/dev/null; }
dialog_closed() { ! dialog_open; }
open_page() {
    xdotool search --onlyvisible --name 'Web Kestrane Menu Builder' windowfocus --sync key ctrl+o &&
        wait_until 10 dialog_open && xdotool type --delay 20 "$1" && xdotool key Return &&
        wait_until 10 dialog_closed && sleep 1 && painted
}
"$WK" --app-folder "$WORK/settings" &
STARTED+=($!)
check "the main window appears, painted" wait_until 30 painted
check "a page opens from the keyboard" open_page "$WORK/site/events/apple-day.html"
echo "screenshot: $SHOT ($(identify -format '%wx%h, %k colours' "$SHOT" 2>/dev/null))"
finish
