#!/usr/bin/env bash
# The demo site committed page by page with the command line, then served by
# nginx and by Apache with the README's configurations and seen in Chromium;
# the desktop preview's Temporary.shtml is seen from the disk with the same checks.
# Usage: demo_site_servers.sh WEBKESTRANE ARTIFACTS
source "$(dirname "$0")/lib.sh"
demo_copy "$1" "$2/demo-site" || exit 1

mapfile -t PAGES < <(cd "$SITE" && find . -name '*.html' | sed 's|^\./||; s|\.html$||' | sort)
committed() { [ "$(wk commit "$SITE/$1.html")" = "$SITE/$1.shtml" ]; }
for page in "${PAGES[@]}"; do check "commit $page.html" committed "$page"; done
check "README and help show the same server configurations" help_matches_readme
MENU=$(cat "$SITE/_/_Tollivance_Web_Kestrane_Menu_System.mnu")
start_nginx "$SITE" && start_apache "$SITE" || { fail "nginx and Apache started"; exit 1; }

# http_is URL WANT: the status code, and the address redirected to, are WANT.
http_is() { [ "$(curl -s -o /dev/null -w '%{http_code} %{redirect_url}' "$1")" = "$2" ]; }
css_served() { [ "$(curl -sf "$1/_/0.css")" = "$(cat "$SITE/_/0.css")" ]; }
# Every link of the menu, with the site's address replaced by the server's, leads to a page.
menu_links_lead_to_pages() {
    local link
    for link in $(grep -o 'href="http://[^"]*"' <<<"$MENU" | sed 's|^href="http://[^/]*||; s|"$||' | sort -u); do
        http_is "$1$link" "200 " || { echo "  $link does not lead to a page"; return 1; }
    done
}

targets=()
for server in nginx apache; do
    [ "$server" = nginx ] && url=$NGINX_URL || url=$APACHE_URL
    for page in "${PAGES[@]}"; do
        check "$server $page.shtml: include expanded" carries_menu "$url/$page.shtml" "$MENU"
    done
    check "$server /: index.shtml is the index page" carries_menu "$url/" "$MENU"
    check "$server /events/: index.shtml is the index page" carries_menu "$url/events/" "$MENU"
    check "$server /_/0.css served" css_served "$url"
    check "$server about/history.html redirected to its new name" http_is "$url/about/history.html" \
        "301 $url/about/history.shtml"
    check "$server menu links lead to pages" menu_links_lead_to_pages "$url"
    for page in "${PAGES[@]}"; do targets+=("$server-${page//\//-}=$url/$page.shtml"); done
done

# The desktop preview of one page in each folder: every Temporary.shtml a folder holds at once.
for page in index about/history events/apple-day; do
    preview=$(dirname "$SITE/$page")/Temporary.shtml
    [ "$(wk preview "$SITE/$page.shtml")" = "$preview" ] || fail "preview $page.shtml written as $preview"
    targets+=("preview-${page//\//-}=file://$preview")
done

SITE_ADDRESS=$(head -n 1 "$WORK/settings/boilerplate.sgt" | tr -d '\r')
node "$E2E/menu_in_browser.js" "$SHOTS" "$WORK/settings/menu.ufm" "$SITE_ADDRESS" \
    "$NGINX_URL" "${targets[@]}" || FAILED=$((FAILED + 1))
finish
