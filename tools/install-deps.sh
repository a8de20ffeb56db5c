#!/bin/sh
# Installs what building, running, testing and packaging the tool needs on Debian.
set -e
pkgs="cmake g++ make qt6-base-dev libgl-dev libgtest-dev fonts-arphic-gkai00mp fonts-arphic-gbsn00lp
  qt6-translations-l10n desktop-file-utils appstream dpkg-dev"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo
$as_root apt-get update
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y --no-install-recommends $missing
