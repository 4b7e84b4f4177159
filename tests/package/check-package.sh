#!/usr/bin/env bash
# The Debian package as a user gets it: built by scripts/package, clean under lintian, installed
# with apt, the installed /usr/games/Crucirco played through (tests/e2e/play.sh), then removed and
# purged, after which nothing of it may be left. The machine is put back even when a step fails.
# Usage: check-package.sh SOURCE SCRATCH_DIST VERSION
set -u
source=$1 dist=$2 version=$3
deb=$dist/crucirco_$version-1_$(dpkg --print-architecture).deb
[ "$(id -u)" = 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
for tool in dpkg-buildpackage dh lintian apt-get; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
! dpkg -s crucirco >/dev/null 2>&1 || { echo "SKIP: crucirco is installed here already and would be removed"; exit 77; }
trap 'dpkg -s crucirco >/dev/null 2>&1 && apt-get purge -y -q crucirco >/dev/null; rm -rf "$dist"' EXIT
trap 'exit 1' INT TERM
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$dist" && mkdir -p "$dist"
"$source/scripts/package" "$dist" >"$dist/log" 2>&1 || { tail -30 "$dist/log"; fail "scripts/package"; }
[ -f "$deb" ] && [ -f "${deb%.deb}.changes" ] || fail "scripts/package made no $deb with its .changes"
lintian -I --fail-on error,warning "${deb%.deb}.changes" || fail "lintian: errors or warnings"
apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=120 "$deb" >"$dist/log" 2>&1 ||
    { cat "$dist/log"; fail "apt-get install"; }
files=$(dpkg -L crucirco | grep -vx '/\.')
# The desktop entry's command, looked up on the PATH a user's session gets.
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' /usr/share/applications/*.Crucirco.desktop)
found=$(PATH=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs) && command -v "$exec")
[ "$found" = /usr/games/Crucirco ] || fail "the desktop entry runs \"$exec\", which a user's PATH finds at \"$found\""
bash "$(dirname "$0")/../e2e/play.sh" /usr/games/Crucirco || exit $?
# Nothing may be left: no file, and no folder that no other package has.
left() { for f in $files; do [ -e "$f" ] && { [ ! -d "$f" ] || ! dpkg -S "$f" >/dev/null 2>&1; } && echo "$f"; done; }
apt-get remove -y -q crucirco >/dev/null 2>&1 || fail "apt-get remove"
[ -z "$(left)" ] || fail "left behind by apt-get remove: $(left)"
# Without conffiles apt leaves no record to purge; dpkg purges whatever is left of one.
dpkg --purge crucirco >/dev/null 2>&1 || fail "dpkg --purge"
! dpkg -s crucirco >/dev/null 2>&1 || fail "dpkg still knows crucirco after the purge"
echo "built, lintian clean, installed, played, removed and purged: $(wc -l <<<"$files") paths"
