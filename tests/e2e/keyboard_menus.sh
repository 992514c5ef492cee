#!/usr/bin/env bash
# The demo site upgraded with keyboard and touch friendly menus, served by nginx and seen in
# Chromium from the keyboard, from a touch screen and by axe-core.
# Usage: keyboard_menus.sh WEBKESTRANE ARTIFACTS
source "$(dirname "$0")/lib.sh"
demo_copy "$1" "$2/keyboard-menus" || exit 1

check "keyboard menus switched on" wk options set --keyboard-menus on
upgraded() { wk upgrade >/dev/null; }
check "the demo site upgraded" upgraded
check "the capsule's bar entries take the focus" grep -q '<DIV class=mi tabindex=0>' \
    "$SITE/_/_Tollivance_Web_Kestrane_Menu_System.mnu"
start_nginx "$SITE" || { fail "nginx started"; exit 1; }

SITE_ADDRESS=$(head -n 1 "$WORK/settings/boilerplate.sgt" | tr -d '\r')
node "$E2E/keyboard_menus.js" "$SHOTS" "$WORK/settings/menu.ufm" "$SITE_ADDRESS" "$NGINX_URL" \
    "index=$NGINX_URL/index.shtml" "apple-day=$NGINX_URL/events/apple-day.shtml" || FAILED=$((FAILED + 1))
finish
