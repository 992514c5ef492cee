#!/usr/bin/env bash
# The desktop program started on the demo settings on a virtual screen: its main
# window must appear and be painted, not blank, within half a minute.
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
"$WK" --app-folder "$WORK/settings" &
STARTED+=($!)
check "the main window appears, painted" wait_until 30 painted
echo "screenshot: $SHOT ($(identify -format '%wx%h, %k colours' "$SHOT" 2>/dev/null))"
finish
