#!/usr/bin/env bash
# Installs what building and testing Web Kestrane needs on Debian 12; skips what is already there.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-webengine-dev libgl-dev qt6-tools-dev
          qt6-documentation-tools libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth python3.11-doc locales)
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
