# Sourced by the end-to-end tests: a scratch folder, PASS/FAIL lines, waits on
# conditions, and nginx and Apache serving a site with the configurations of the
# README's "Serving your site" on free ports of 127.0.0.1. Whatever a test starts
# is stopped by its process id when the test ends, however it ends.
set -uo pipefail

E2E=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(cd "$E2E/../.." && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/wk-e2e.XXXXXX")
# Apache started as root serves as www-data, which must reach the site.
chmod 755 "$WORK"
STARTED=()
FAILED=0

stop_started() {
    local pid
    for pid in "${STARTED[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    rm -rf "$WORK"
}
trap stop_started EXIT
trap 'exit 130' INT TERM

# demo_copy WEBKESTRANE SHOTS: the demo site and its settings copied into the scratch folder;
# sets WK, SHOTS (emptied, for screenshots) and SITE, the copied site. wk runs the program on
# the copied settings.
demo_copy() {
    WK=$1 SHOTS=$2 SITE=$WORK/site
    rm -rf "$SHOTS" && mkdir -p "$SHOTS"
    bash "$REPO/scripts/demo-copy.sh" "$WK" "$WORK"
}
wk() { "$WK" --app-folder "$WORK/settings" "$@"; }

pass() { echo "PASS $1"; }
fail() { echo "FAIL $1${2:+: $2}"; FAILED=$((FAILED + 1)); }
# check WHAT COMMAND...: one PASS or FAIL line for the command's exit status.
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
finish() { echo "$FAILED failed"; [ "$FAILED" -eq 0 ]; }

# wait_until SECONDS COMMAND...: polls the command until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1)); shift
    until "$@" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

free_port() {
    node -e 'const s = require("net").createServer().listen(0, "127.0.0.1", () => {
        console.log(s.address().port); s.close(); });'
}

# contains TEXT PART: whether PART occurs in TEXT.
contains() { [[ "$1" == *"$2"* ]]; }

# carries_menu URL MENU: whether the page served at URL holds the menu's mark-up MENU, the include
# directive gone and no include error in its place.
carries_menu() {
    local body
    [ -n "$2" ] && body=$(curl -sf "$1") && contains "$body" "$2" && ! contains "$body" '<!--#include' &&
        ! contains "$body" 'an error occurred while processing'
}

# The README's configuration block for nginx or apache.
served_config() { sed -n "/^\`\`\`$1\$/,/^\`\`\`\$/{//!p}" "$REPO/README.md"; }

# Whether the help's page "Serving your site" shows the README's two blocks.
help_matches_readme() {
    local help
    help=$(sed -n '/<pre>/,/<\/pre>/p' "$REPO/help/serving.html" |
           sed -e 's|</\?pre>||g' -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&amp;/\&/g')
    [ "$help" = "$(served_config nginx; served_config apache)" ]
}

# start_nginx SITE: serves SITE; sets NGINX_URL.
start_nginx() {
    local dir=$WORK/nginx port
    port=$(free_port) && mkdir -p "$dir" || return 1
    {
        cat <<EOF
daemon off;
master_process off;
pid $dir/nginx.pid;
error_log $dir/error.log;
events {}
http {
    include /etc/nginx/mime.types;
    access_log off;
    client_body_temp_path $dir/body;
    proxy_temp_path $dir/proxy;
    fastcgi_temp_path $dir/fastcgi;
    uwsgi_temp_path $dir/uwsgi;
    scgi_temp_path $dir/scgi;
EOF
        served_config nginx | sed -e "s|listen 80;|listen 127.0.0.1:$port;|" -e "s|/var/www/example|${1%/}|"
        echo '}'
    } > "$dir/nginx.conf"
    /usr/sbin/nginx -p "$dir" -e "$dir/error.log" -c "$dir/nginx.conf" &
    STARTED+=($!)
    NGINX_URL=http://127.0.0.1:$port
    wait_until 20 curl -so /dev/null "$NGINX_URL/" || { cat "$dir/error.log"; return 1; }
}

# start_apache SITE: serves SITE in one foreground process; sets APACHE_URL.
start_apache() {
    local dir=$WORK/apache modules=/usr/lib/apache2/modules port module
    port=$(free_port) && mkdir -p "$dir" || return 1
    {
        cat <<EOF
ServerName 127.0.0.1
Listen 127.0.0.1:$port
DefaultRuntimeDir $dir
PidFile $dir/apache.pid
ErrorLog $dir/error.log
User www-data
Group www-data
TypesConfig /etc/mime.types
EOF
        for module in mpm_event authz_core mime dir include rewrite; do
            echo "LoadModule ${module}_module $modules/mod_$module.so"
        done
        served_config apache | sed -e "s|\*:80|127.0.0.1:$port|" -e "s|/var/www/example|${1%/}|g"
    } > "$dir/apache2.conf"
    /usr/sbin/apache2 -X -f "$dir/apache2.conf" -DFOREGROUND &
    STARTED+=($!)
    APACHE_URL=http://127.0.0.1:$port
    wait_until 20 curl -so /dev/null "$APACHE_URL/" || { cat "$dir/error.log"; return 1; }
}
