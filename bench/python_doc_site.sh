# Sourced by the benchmarks over the python3.11-doc site: sets root, program
# (the webkestrane named as the script's first word, else build/webkestrane),
# site, and a scratch folder removed at exit, after installing the site and
# /usr/bin/time with apt-get when they are missing.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath "${1:-$root/build/webkestrane}")
site=/usr/share/doc/python3.11/html

missing=()
[ -d "$site" ] || missing+=(python3.11-doc)
[ -x /usr/bin/time ] || missing+=(time)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get -o DPkg::Lock::Timeout=600 update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends \
    "${missing[@]}"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
