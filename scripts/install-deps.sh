#!/usr/bin/env bash
# Installs what building and testing Web Kestrane needs on Debian 12; skips what is already there.
# The icon is rendered with rsvg-convert; the package test builds a .deb (dpkg-dev) and validates its
# desktop entry and metainfo (desktop-file-utils, appstream).
# With --e2e also what the end-to-end tests need (tests/e2e): the web servers, Chromium, the screenshot
# tools, Node.js (Debian's, only where no node is on the machine) and playwright-core, locked.
set -euo pipefail
e2e=false; [ "${1:-}" = --e2e ] && e2e=true
fuzz=false; [ "${1:-}" = --fuzz ] && fuzz=true
packages=(cmake g++ make qt6-base-dev qt6-webengine-dev libgl-dev qt6-tools-dev
          qt6-documentation-tools libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth python3.11-doc locales
          librsvg2-bin dpkg-dev desktop-file-utils appstream)
if $e2e; then
  packages+=(nginx-light apache2 chromium fonts-dejavu-core imagemagick x11-utils xdotool curl)
  command -v node >/dev/null 2>&1 || packages+=(nodejs npm)
fi
# With --fuzz also clang and its sanitizer and libFuzzer runtimes (scripts/fuzz.sh).
if $fuzz; then packages+=(clang libclang-rt-14-dev); fi
sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get -o DPkg::Lock::Timeout=600 update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
fi
# The tests read numbers under a German locale (comma as the decimal separator).
if ! locale -a | grep -qx 'de_DE.utf8'; then
  if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen
fi
# playwright-core drives the system's Chromium; it downloads no browser.
if $e2e; then
  cd "$(dirname "$0")/../tests/e2e"
  # Every locked package (playwright-core, axe-core) installed at its locked version, or npm ci.
  current=$(node -p 'const locked = require("./package-lock.json").packages;
    Object.keys(locked).filter(path => path).every(path => {
      try { return require(`./${path}/package.json`).version === locked[path].version; } catch { return false; }
    })')
  [ "$current" = true ] || PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
fi
