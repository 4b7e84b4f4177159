#!/usr/bin/env bash
# The Debian package as an upload and as a user gets it: source and binaries built by
# scripts/package, with its -dbgsym package; lintian clean on all of it, informational notes
# included unless overridden with a reason; installed with apt; the package's own tests
# (debian/tests: the installed game played on Xvfb, the installed files) run by autopkgtest on this
# machine; then removed and purged, after which nothing of it may be left; and last, installed,
# removed and purged by piuparts in a minimal root of the release the package is built on, made
# from the Debian archive this machine's apt uses.
# The machine is put back even when a step fails.
# Usage: check-package.sh SOURCE SCRATCH_DIST
set -u
source=$1 dist=$2
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
deb=$dist/crucirco_${version}_$(dpkg --print-architecture).deb
changes=${deb%.deb}.changes
[ "$(id -u)" = 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
for tool in dpkg-buildpackage dh lintian apt-get autopkgtest piuparts debootstrap; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
! dpkg -s crucirco >/dev/null 2>&1 || { echo "SKIP: crucirco is installed here already and would be removed"; exit 77; }
trap 'dpkg -s crucirco >/dev/null 2>&1 && apt-get purge -y -q crucirco >/dev/null; rm -rf "$dist"' EXIT
trap 'exit 1' INT TERM
fail() { echo "FAIL: $*"; exit 1; }
# Each step's time, for the run's log.
step() { echo "$(($(date +%s) - started)) s: $*"; }
started=$(date +%s)
# The release this machine runs and its archive: the first of Debian's own that apt here is told of
# (not its security archive).
read -r codename mirror < <(apt-get indextargets --format '$(LABEL) $(CODENAME) $(REPO_URI)' 'Created-By: Packages' |
    awk '$1 == "Debian" { print $2, $3; exit }')
[ -n "${mirror:-}" ] || fail "apt names no Debian archive on this machine"
rm -rf "$dist" && mkdir -p "$dist"
"$source/scripts/package" "$dist" >"$dist/log" 2>&1 || { tail -30 "$dist/log"; fail "scripts/package"; }
for file in "$changes" "$dist/crucirco_$version.dsc" "${deb/crucirco_/crucirco-dbgsym_}"; do
    [ -f "$file" ] || fail "scripts/package made no $file"
done
grep -q "100% tests passed, 0 tests failed out of [1-9]" "$dist/log" || fail "the build ran no tests"
step "source and binary packages built, the build's tests passed"
# The package keeps to the policy of unstable, the release its changelog names, and builds on 12
# and 13 as it stands.
# What only an older or a newer lintian says of that: 12's lintian knows policy up to 4.6.2, 13's
# up to 4.7.2; 12's alone takes "autor" (Spanish, "Acerca del autor") for a misspelling. Unstable's
# finds redundant what 12 and 13 need: debhelper's newest stable level there is 13; Priority,
# which policy asked for before 4.7.3; Rules-Requires-Root, without which 12's dpkg builds as root.
case $codename in
bookworm) known=newer-standards-version,spelling-error-in-binary ;;
trixie) known=newer-standards-version ;;
*) known=package-uses-old-debhelper-compat-version,redundant-priority-optional-field,redundant-rules-requires-root-no-field ;;
esac
lintian -I --pedantic --fail-on error,warning,info,pedantic --suppress-tags "$known" "$changes" || fail "lintian"
step "lintian"
apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=120 "$deb" >"$dist/log" 2>&1 ||
    { cat "$dist/log"; fail "apt-get install"; }
files=$(dpkg -L crucirco | grep -vx '/\.')
# The desktop entry's command, looked up on the PATH a user's session gets.
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' /usr/share/applications/*.Crucirco.desktop)
found=$(PATH=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs) && command -v "$exec")
[ "$found" = /usr/games/Crucirco ] || fail "the desktop entry runs \"$exec\", which a user's PATH finds at \"$found\""
autopkgtest -q "$changes" -- null >"$dist/log" 2>&1 || { cat "$dist/log"; fail "autopkgtest"; }
step "installed, autopkgtest passed"
# Nothing may be left: no file, and no folder that no other package has.
left() { for f in $files; do [ -e "$f" ] && { [ ! -d "$f" ] || ! dpkg -S "$f" >/dev/null 2>&1; } && echo "$f"; done; }
apt-get remove -y -q crucirco >/dev/null 2>&1 || fail "apt-get remove"
[ -z "$(left)" ] || fail "left behind by apt-get remove: $(left)"
# Without conffiles apt leaves no record to purge; dpkg purges whatever is left of one.
dpkg --purge crucirco >/dev/null 2>&1 || fail "dpkg --purge"
! dpkg -s crucirco >/dev/null 2>&1 || fail "dpkg still knows crucirco after the purge"
step "removed and purged: $(wc -l <<<"$files") paths"
# The same in a root that has nothing but a minimal system of the release the package was built
# on, so that every dependency the game needs must come through the package's own Depends;
# piuparts also checks that the purge leaves that root as it found it. An archive copied on an
# earlier day may carry lists past their expiry (unstable's); they are taken as apt here takes them.
piuparts --distribution="$codename" --mirror="$mirror" --no-check-valid-until --log-file="$dist/piuparts.log" \
    "$deb" >/dev/null 2>&1 || { tail -40 "$dist/piuparts.log"; fail "piuparts"; }
step "piuparts: installed, removed and purged in a minimal $codename root"
