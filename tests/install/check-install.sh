#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what arrives: the program, both manual pages
# and the metainfo of this version, the desktop entry as written, every icon a picture of its size,
# and AppStream's view of the tree as a software centre sees it, as strict as for the metainfo.
# The icons are read by the system's Python, which has Pillow (python3-pil).
# Usage: check-install.sh BUILD PREFIX VERSION DESKTOP_ENTRY CHECK_PICTURES
set -u
prefix=$2 version=$3 entry=$4 id=$(basename "$4" .desktop)
rm -rf "$prefix"
cmake --install "$1" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
cd "$prefix" || exit 1
bad=0
no() { echo "FAIL: $*"; bad=1; }
[ -x bin/Crucirco ] || no "bin/Crucirco is not installed"
for page in share/man/man6/Crucirco.6 share/man/es/man6/Crucirco.6; do
    grep -q "^\.TH CRUCIRCO 6 \"[0-9-]*\" \"Crucirco $version\"" $page || no "$page: missing, or not of $version"
done
grep -q "<release version=\"$version\"" share/metainfo/$id.metainfo.xml || no "no metainfo of $version"
grep -rl '@[A-Za-z_]*@' share && no "placeholders are left in the files above"
cmp share/applications/$id.desktop "$entry" || no "the desktop entry is not the one in the source tree"
/usr/bin/python3 "$5" --hicolor share/icons/hicolor || no "the icons above"
appstreamcli validate-tree --no-net --pedantic --strict --override=cid-maybe-not-rdns=pedantic . || no "validate-tree"
exit $bad
