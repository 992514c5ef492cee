#!/usr/bin/env bash
# End-to-end check in a real web server and a real browser: pages committed by
# the command line, served by nginx with server-side includes, must show the
# styled menu bar and open its drop-down under the pointer. Three pages are
# committed: index.html (no doctype, quirks mode), standards.html
# (<!DOCTYPE html>, standards mode) and styled.html, whose head has a style
# element with rules of its own (an @import after them would be ignored).
#
# Usage: scripts/browser-check.sh [SCREENSHOT_FOLDER]   (default /tmp/wk-browser)
# Environment: WK_CLI (the webkestrane binary, default build/webkestrane),
#              WK_NODE_DIR (where playwright-core is installed, default /tmp/wk-browser-node),
#              WK_KEEP=1 keeps the temporary app, site and server folders.
# Prints one line per check; exits 0 only when every check passed.
set -uo pipefail

REPO="$(cd "$(dirname "$0")/.." && pwd)"
SHOTS="${1:-/tmp/wk-browser}"
WK="${WK_CLI:-$REPO/build/webkestrane}"
NODE_DIR="${WK_NODE_DIR:-/tmp/wk-browser-node}"
CHROMIUM=/usr/bin/chromium
PAGES=(index standards styled)
CHECKS_PER_PAGE=8

# The styled colours, set below with `style set` and expected back from the browser.
BAR_BACK='#FF0000';       BAR_BACK_RGB='rgb(255, 0, 0)'
BAR_FORE='#FFFF00';       BAR_FORE_RGB='rgb(255, 255, 0)'
MENU_BACK='#00FF00';      MENU_BACK_RGB='rgb(0, 255, 0)'
MENU_FORE='#000000'
HIGHLIGHT_BACK='#0000FF'; HIGHLIGHT_BACK_RGB='rgb(0, 0, 255)'
HIGHLIGHT_FORE='#FFFFFF'

WORK=""
NGINX_PID=""
NODE_PID=""
PASSED=0
FAILED=0

pass() { echo "PASS $1: $2"; PASSED=$((PASSED + 1)); }
fail() { echo "FAIL $1: $2"; FAILED=$((FAILED + 1)); }
die()  { echo "ERROR: $*" >&2; exit 1; }

cleanup() {
    # Stop what this run started, by the ids it recorded; the browser goes with its node driver.
    if [ -n "$NODE_PID" ] && kill -0 "$NODE_PID" 2>/dev/null; then
        kill "$NODE_PID" 2>/dev/null; wait "$NODE_PID" 2>/dev/null
    fi
    if [ -n "$NGINX_PID" ] && kill -0 "$NGINX_PID" 2>/dev/null; then
        kill "$NGINX_PID" 2>/dev/null; wait "$NGINX_PID" 2>/dev/null
    fi
    if [ -n "$WORK" ] && [ "${WK_KEEP:-0}" != 1 ]; then
        rm -rf "$WORK"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

install_missing() {
    local wanted=()
    command -v nginx >/dev/null 2>&1 || wanted+=(nginx-light)
    [ -x "$CHROMIUM" ] || wanted+=(chromium)
    command -v node >/dev/null 2>&1 || wanted+=(nodejs)
    command -v npm >/dev/null 2>&1 || wanted+=(npm)
    command -v curl >/dev/null 2>&1 || wanted+=(curl)
    if [ ${#wanted[@]} -gt 0 ]; then
        echo "installing: ${wanted[*]}" >&2
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
            apt-get install -y --no-install-recommends "${wanted[@]}"; } >&2 ||
            die "could not install ${wanted[*]}"
    fi
    # playwright-core drives the system chromium; it never downloads a browser.
    if [ ! -f "$NODE_DIR/node_modules/playwright-core/package.json" ]; then
        echo "installing playwright-core into $NODE_DIR" >&2
        mkdir -p "$NODE_DIR" &&
            (cd "$NODE_DIR" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 \
                npm install --no-audit --no-fund --silent playwright-core >&2) ||
            die "could not install playwright-core into $NODE_DIR"
    fi
}

wk() { "$WK" --app-folder "$APP" "$@"; }

# Boilerplate, options, a menu of two menus with items, and a style with
# unmistakable colours.
store_settings() {
    wk boilerplate set www.example.com "Acme Ltd" "Web Team" "Acme Ltd 2026" "$SITE" &&
    wk options set --commit 11111 &&
    wk menu add menu "Products" www.example.com/products.html &&
    wk menu add item "Widgets" www.example.com/widgets.html --selected 1 &&
    wk menu add item "Gadgets" www.example.com/gadgets.html --selected 1 &&
    wk menu add menu "About" www.example.com/about.html --selected 1 &&
    wk menu add item "Team" www.example.com/team.html --selected 4 &&
    wk menu add item "Contact" www.example.com/contact.html --selected 4 &&
    wk style set "Menu Bar" --back "$BAR_BACK" --fore "$BAR_FORE" --bold on &&
    wk style set "Menu" --back "$MENU_BACK" --fore "$MENU_FORE" &&
    wk style set "Menu Highlight" --back "$HIGHLIGHT_BACK" --fore "$HIGHLIGHT_FORE"
}

write_pages() {
    local body='<body><h1>Acme</h1><p>Widgets and gadgets for every team.</p></body></html>'
    printf '%s\n' "<html><head><title>Quirks page</title></head>$body" > "$SITE/index.html"
    printf '%s\n' '<!DOCTYPE html>' \
        "<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Standards page</title></head>$body" \
        > "$SITE/standards.html"
    printf '%s\n' '<!DOCTYPE html>' \
        "<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Styled page</title>" \
        '<style>body { margin: 0; font-family: Georgia, serif; } h1 { color: #333366; }</style>' \
        "</head>$body" > "$SITE/styled.html"
}

commit_page() {
    local name="$1" written
    if ! written="$(wk commit "$SITE$name.html" --category Test 2>"$WORK/commit.err")"; then
        fail "$name/commit" "exit status $?: $(tr '\n' ' ' < "$WORK/commit.err")"
    elif [ "$written" != "$SITE$name.shtml" ] || [ ! -s "$SITE$name.shtml" ]; then
        fail "$name/commit" "printed '$written', expected $SITE$name.shtml"
    elif ! grep -q '<!--#include virtual="/_/_Tollivance_Web_Kestrane_Menu_System.mnu"-->' "$SITE$name.shtml"; then
        fail "$name/commit" "$name.shtml holds no include directive"
    else
        pass "$name/commit" "wrote $written"
    fi
}

check_menu_files() {
    if [ -s "$SITE/_/0.css" ] && [ -s "$SITE/_/_Tollivance_Web_Kestrane_Menu_System.mnu" ]; then
        pass menu-files "_/0.css and _/_Tollivance_Web_Kestrane_Menu_System.mnu written"
    else
        fail menu-files "_ folder holds: $(ls "$SITE/_" 2>/dev/null | tr '\n' ' ')"
    fi
}

free_port() {
    node -e 'const s=require("net").createServer();s.listen(0,"127.0.0.1",()=>{console.log(s.address().port);s.close();});'
}

# A private nginx on the loopback address only, in the foreground of a
# background job, so that its pid is ours to stop.
start_nginx() {
    PORT="$(free_port)" || return 1
    mkdir -p "$WORK/nginx/tmp"
    cat > "$WORK/nginx/nginx.conf" <<EOF
daemon off;
master_process off;
worker_processes 1;
pid $WORK/nginx/nginx.pid;
error_log $WORK/nginx/error.log warn;
events { worker_connections 64; }
http {
    types { text/html html htm shtml; text/css css; text/plain mnu; image/png png; }
    default_type application/octet-stream;
    access_log $WORK/nginx/access.log;
    client_body_temp_path $WORK/nginx/tmp/body;
    proxy_temp_path $WORK/nginx/tmp/proxy;
    fastcgi_temp_path $WORK/nginx/tmp/fastcgi;
    uwsgi_temp_path $WORK/nginx/tmp/uwsgi;
    scgi_temp_path $WORK/nginx/tmp/scgi;
    server {
        listen 127.0.0.1:$PORT;
        server_name localhost;
        root $SITE;
        ssi on;
    }
}
EOF
    nginx -e "$WORK/nginx/error.log" -p "$WORK/nginx" -c "$WORK/nginx/nginx.conf" &
    NGINX_PID=$!
    local i
    for i in $(seq 1 50); do
        curl -s -o /dev/null "http://127.0.0.1:$PORT/" 2>/dev/null && return 0
        kill -0 "$NGINX_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$WORK/nginx/error.log" >&2
    return 1
}

write_browser_script() {
    cat > "$WORK/check.js" <<'EOF'
// Loads each committed page and reports one line per check: PASS|FAIL page/check: detail
const { chromium } = require('playwright-core');
const [shots, profile, barBack, barFore, menuBack, highlightBack, ...urls] = process.argv.slice(2);

async function checkPage(page, url, name, report) {
  const shot = step => page.screenshot({ path: `${shots}/${name}-${step}.png` });

  const response = await page.goto(url, { waitUntil: 'load', timeout: 15000 });
  const type = response ? response.headers()['content-type'] || '' : '';
  report(response && response.status() === 200 && type.startsWith('text/html'), 'page-served',
         `${url} -> ${response ? response.status() : 'no response'} ${type}`);

  const html = await page.content();
  const capsule = await page.$('#tollivancewebkestrane');
  const ssiError = html.includes('an error occurred while processing');
  report(capsule !== null && !ssiError, 'include-processed',
         capsule ? `#tollivancewebkestrane present${ssiError ? ', but an SSI error text is on the page' : ''}`
                 : 'no #tollivancewebkestrane: the server-side include did not bring in the menu');
  if (!capsule) { await shot('before-hover'); return; }

  const sheetLoaded = await page.evaluate(() => [...document.styleSheets].some(
    s => [...s.cssRules].some(r => r.styleSheet && r.styleSheet.href && r.styleSheet.href.endsWith('/_/0.css')
                                 && r.styleSheet.cssRules.length > 0)));
  report(sheetLoaded, 'stylesheet-imported', sheetLoaded ? '/_/0.css imported and parsed'
                                                         : '/_/0.css not imported (or empty)');

  const bar = await page.$eval('#tollivancewebkestrane', e => {
    const r = e.getBoundingClientRect();
    return { back: getComputedStyle(e).backgroundColor, width: r.width, height: r.height };
  });
  report(bar.back === barBack && bar.height > 0, 'bar-background',
         `#tollivancewebkestrane background ${bar.back} (expected ${barBack}), ${bar.width}x${bar.height}px`);

  const entries = page.locator('#mb > div.mi');
  const count = await entries.count();
  const label = entries.first().locator(':scope > b');
  const labelStyle = await label.evaluate(e => ({ text: e.textContent, color: getComputedStyle(e).color,
                                                  weight: getComputedStyle(e).fontWeight }));
  report(count === 2 && labelStyle.color === barFore && Number(labelStyle.weight) >= 700, 'bar-entries',
         `${count} bar entries; first "${labelStyle.text}" colour ${labelStyle.color} (expected ${barFore}), ` +
         `weight ${labelStyle.weight}`);

  const dropDown = entries.first().locator(':scope > table');
  await page.mouse.move(700, 350);
  const hiddenBefore = !(await dropDown.isVisible());
  report(hiddenBefore, 'drop-down-hidden', hiddenBefore ? 'first drop-down hidden before hovering'
                                                        : 'first drop-down already visible before hovering');
  await shot('before-hover');

  await label.hover();
  await page.waitForTimeout(200);
  const shown = await dropDown.isVisible();
  const menu = await dropDown.evaluate(e => {
    const r = e.getBoundingClientRect();
    return { back: getComputedStyle(e).backgroundColor, display: getComputedStyle(e).display,
             links: [...e.querySelectorAll('a')].map(a => a.textContent), width: r.width, height: r.height };
  });
  report(shown && menu.back === menuBack, 'drop-down-on-hover',
         `first drop-down ${shown ? 'visible' : 'not visible'} (display ${menu.display}, ` +
         `${Math.round(menu.width)}x${Math.round(menu.height)}px), background ${menu.back} (expected ${menuBack}), ` +
         `links: ${menu.links.join(', ')}`);
  await shot('hover');

  if (!shown) { report(false, 'item-highlight', 'skipped: the drop-down did not open'); return; }
  const item = dropDown.locator('a').nth(1);
  await item.hover();
  await page.waitForTimeout(200);
  const itemBack = await item.evaluate(e => getComputedStyle(e).backgroundColor);
  report(itemBack === highlightBack, 'item-highlight',
         `hovered item "${await item.textContent()}" background ${itemBack} (expected ${highlightBack})`);
  await shot('hover-item');
}

(async () => {
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    viewport: { width: 800, height: 400 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  try {
    const page = context.pages()[0] || await context.newPage();
    // Only the local server may be reached; the menu's own links point elsewhere.
    await page.route(/^https?:\/\/(?!127\.0\.0\.1[:\/])/, route => route.abort());
    for (const url of urls) {
      const name = url.split('/').pop().replace(/\.shtml$/, '');
      const report = (ok, check, detail) => console.log(`${ok ? 'PASS' : 'FAIL'} ${name}/${check}: ${detail}`);
      try {
        await checkPage(page, url, name, report);
      } catch (err) {
        report(false, 'browser', String(err && err.message || err).split('\n')[0]);
      }
    }
  } finally {
    await context.close();
  }
})().catch(err => console.log(`FAIL browser: ${String(err && err.message || err).split('\n')[0]}`));
EOF
}

run_browser() {
    local urls=() name line reported=0
    for name in "${PAGES[@]}"; do urls+=("http://127.0.0.1:$PORT/$name.shtml"); done
    write_browser_script
    mkdir -p "$WORK/profile"
    NODE_PATH="$NODE_DIR/node_modules" node "$WORK/check.js" "$SHOTS" "$WORK/profile" \
        "$BAR_BACK_RGB" "$BAR_FORE_RGB" "$MENU_BACK_RGB" "$HIGHLIGHT_BACK_RGB" "${urls[@]}" \
        > "$WORK/browser.out" 2>"$WORK/browser.err" &
    NODE_PID=$!
    wait "$NODE_PID"
    NODE_PID=""
    while IFS= read -r line; do
        case "$line" in
            PASS\ *) echo "$line"; PASSED=$((PASSED + 1)); reported=$((reported + 1)) ;;
            FAIL\ *) echo "$line"; FAILED=$((FAILED + 1)); reported=$((reported + 1)) ;;
        esac
    done < "$WORK/browser.out"
    [ -s "$WORK/browser.err" ] && sed 's/^/browser: /' "$WORK/browser.err" >&2
    local expected=$(( ${#PAGES[@]} * CHECKS_PER_PAGE ))
    [ "$reported" -ge "$expected" ] || fail browser "reported $reported of $expected checks"
}

main() {
    [ -x "$WK" ] || die "no webkestrane binary at $WK (set WK_CLI)"
    install_missing
    mkdir -p "$SHOTS" || die "cannot create $SHOTS"
    local name
    for name in "${PAGES[@]}"; do rm -f "$SHOTS/$name"-*.png; done
    WORK="$(mktemp -d /tmp/wk-browser-check.XXXXXX)" || die "cannot create a temporary folder"
    chmod 755 "$WORK"
    APP="$WORK/app/"
    SITE="$WORK/site/"
    mkdir -p "$APP" "$SITE"

    if store_settings 2>"$WORK/settings.err"; then
        pass settings "boilerplate, options, menu tree and style stored"
        write_pages
        for name in "${PAGES[@]}"; do commit_page "$name"; done
        check_menu_files
    else
        local why; why="$(tr '\n' ' ' < "$WORK/settings.err")"
        fail settings "a webkestrane settings command failed${why:+: $why}"
    fi

    if [ "$FAILED" -eq 0 ]; then
        if start_nginx; then
            pass nginx "serving $SITE on 127.0.0.1:$PORT with ssi on"
        else
            fail nginx "nginx did not start (see messages above)"
        fi
    fi

    [ "$FAILED" -eq 0 ] && run_browser

    echo "screenshots: $SHOTS"
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" -eq 0 ]
}

main
