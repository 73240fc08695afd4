#!/usr/bin/env bash
# Installs the package that make package built into this machine, checks what it brings, removes it
# again and checks that a family's data folder and settings made meanwhile stay as they were.
# Needs root; make test-package runs it through sudo. Usage: install-remove.sh [FOLDER OF THE .deb]
set -euo pipefail

deb_dir=${1:-build-deb}
deb=$(realpath "$(ls "$deb_dir"/velmora_*.deb)")
version=$(dpkg-deb -f "$deb" Version)
home=$(mktemp -d /tmp/velmora-package-home.XXXXXX)

fail() {
    echo "test-package: $*" >&2
    exit 1
}
installed() {
    dpkg-query -W -f='${Status}\n' velmora 2>/dev/null | grep -q 'install ok installed'
}
cleanup() {
    if installed; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq velmora >/dev/null
    fi
    rm -rf "$home"
}

installed && fail "velmora is installed already; remove it before the test"
trap cleanup EXIT

echo "Installing $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

[ "$(velmora-cli --version)" = "velmora-cli $version" ] || fail "velmora-cli --version: $(velmora-cli --version)"
[ "$(velmora --version)" = "velmora $version" ] || fail "velmora --version: $(velmora --version)"
velmora --help | grep -q '^usage: velmora \[FOLDER\]' || fail "velmora --help gives no usage"

desktop-file-validate /usr/share/applications/io.github.velmora.Velmora.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.github.velmora.Velmora.metainfo.xml >/dev/null ||
    fail "the installed metainfo does not validate"
[ -f /usr/share/icons/hicolor/scalable/apps/velmora.svg ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/velmora.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not a ${size}px PNG"
done
for page in velmora velmora-cli; do
    path=$(man -w "$page") || fail "no manual page $page(1)"
    text=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$path" 2>"$home/man-warnings")
    [ ! -s "$home/man-warnings" ] || fail "$page(1): $(cat "$home/man-warnings")"
    grep -q -- "--version" <<<"$text" || fail "$page(1) does not name --version"
done

# The family's book, made by the installed program, and the setting that names it.
HOME=$home velmora-cli generate "$home/Velmora" --years 1 --seed 7 >/dev/null
mkdir -p "$home/.config/Velmora"
printf '[Velmora]\nPath=%s\n' "$home/Velmora" >"$home/.config/Velmora/Velmora.conf"
before=$(cd "$home" && find Velmora .config -type f -print0 | sort -z | xargs -0 sha256sum)

echo "Removing the package"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq velmora >/dev/null
installed && fail "velmora is still installed"
for path in /usr/bin/velmora /usr/bin/velmora-cli /usr/share/applications/io.github.velmora.Velmora.desktop \
    /usr/share/metainfo/io.github.velmora.Velmora.metainfo.xml; do
    [ ! -e "$path" ] || fail "$path is left after removing the package"
done
after=$(cd "$home" && find Velmora .config -type f -print0 | sort -z | xargs -0 sha256sum)
[ "$before" = "$after" ] || fail "the data folder or the settings changed on removal"
grep -q "VLMBasic_D.ini" <<<"$after" || fail "the book is gone"

echo "test-package: the package installs, runs, and leaves the family's data on removal"
