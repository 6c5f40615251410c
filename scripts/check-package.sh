#!/usr/bin/env bash
# Installs the Debian package with apt-get as an officer's IT would, runs the installed programs for a new
# user, removes the package again and checks that nothing of it is left. Changes the machine's packages:
# run it as root on a machine where Velcarin is not installed (CI does, after the tests).
# Usage: scripts/check-package.sh [PACKAGE]   (default build-package/velcarin_*.deb)
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "${1:-$(ls build-package/velcarin_*.deb)}")
if dpkg-query -W -f='${Status}' velcarin 2>/dev/null | grep -q 'install ok installed'; then
    echo "check-package: velcarin is installed on this machine already; not touching it" >&2
    exit 1
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
files=$(dpkg -L velcarin)
status=0
user=(env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen)
"${user[@]}" velcarin-cli advise ACETONE >/dev/null || { echo "check-package: the installed velcarin-cli failed" >&2; status=1; }
"${user[@]}" velcarin-cli print ACETONE --pdf "$home/acetone.pdf" >/dev/null && [ -s "$home/acetone.pdf" ] ||
    { echo "check-package: the installed velcarin-cli print failed" >&2; status=1; }
for name in cleaning.mdb "Jo Tankers.mdb" Henkel.mdb unitor.mdb; do
    cmp -s "$home/.local/share/Velcarin/$name" "/usr/share/velcarin/$name" ||
        { echo "check-package: the user's $name is not the shipped one" >&2; status=1; }
done
desktop-file-validate /usr/share/applications/org.velcarin.Velcarin.desktop || status=1
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" velcarin --help >/dev/null ||
    { echo "check-package: the installed velcarin --help failed without a display" >&2; status=1; }
for page in velcarin velcarin-cli; do
    man -w "$page" >/dev/null 2>&1 || { echo "check-package: man finds no page $page" >&2; status=1; }
done
bash -c 'source /usr/share/bash-completion/completions/velcarin-cli && complete -p velcarin-cli' >/dev/null ||
    { echo "check-package: the completion of velcarin-cli does not load" >&2; status=1; }

apt-get remove -y -qq velcarin >/dev/null
if dpkg -s velcarin >/dev/null 2>&1; then
    echo "check-package: velcarin is still known to dpkg after its removal" >&2
    status=1
fi
while IFS= read -r file; do
    if [ -e "$file" ] && [ ! -d "$file" ]; then
        echo "check-package: $file is left after the removal" >&2
        status=1
    fi
done <<<"$files"
[ -e /usr/share/velcarin ] && { echo "check-package: /usr/share/velcarin is left after the removal" >&2; status=1; }
[ "$status" -eq 0 ] && echo "check-package: $(basename "$deb") installs, runs and removes cleanly"
exit "$status"
