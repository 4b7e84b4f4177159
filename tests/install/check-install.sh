#!/usr/bin/env bash
# Checks an installed tree: the program, both manual pages and the metainfo of this version, the
# desktop entry as written, every icon a picture of its size, and AppStream's view of the tree as a
# software centre sees it, as strict as for the metainfo. The build's install into a scratch
# prefix is checked with it, and so are the files of the installed Debian package.
# The icons are read by the system's Python, which has Pillow (python3-pil).
# Usage: check-install.sh PREFIX PROGRAM VERSION DESKTOP_ENTRY CHECK_PICTURES
#   PREFIX is the tree's /usr (or /usr/local), PROGRAM the game's path under it (bin/Crucirco).
set -u
program=$2 version=$3 entry=$4 id=$(basename "$4" .desktop)
cd "$1" || exit 1
bad=0
no() { echo "FAIL: $*"; bad=1; }
[ -x "$program" ] || no "$program is not installed"
for page in share/man/man6/Crucirco.6 share/man/es/man6/Crucirco.6; do
    # A package's manual pages are compressed.
    [ -f $page ] || page=$page.gz
    zgrep -q "^\.TH CRUCIRCO 6 \"[0-9-]*\" \"Crucirco $version\"" $page ||
        no "$page: missing, or not of $version"
done
grep -q "<release version=\"$version\"" share/metainfo/$id.metainfo.xml || no "no metainfo of $version"
grep -rl '@[A-Za-z_]*@' share && no "placeholders are left in the files above"
cmp share/applications/$id.desktop "$entry" || no "the desktop entry is not the one in the source tree"
/usr/bin/python3 "$5" --hicolor share/icons/hicolor || no "the icons above"
appstreamcli validate-tree --no-net --pedantic --strict --override=cid-maybe-not-rdns=pedantic . || no "validate-tree"
exit $bad
