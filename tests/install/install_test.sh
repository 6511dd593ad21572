#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks what a desktop gets:
# exactly the expected files, a desktop entry and AppStream metadata that the
# validators accept, a manual page that renders without warnings, and a
# changelog and metadata that name the version being installed.
# Usage: install_test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail

build_dir=$1
app_id=$2
version=$3

prefix=$(mktemp -d)
# cmake --install rewrites the build's install_manifest.txt, which `make
# uninstall` reads; the test puts back the one of the user's own install.
manifest=$build_dir/install_manifest.txt
saved_manifest=$prefix.manifest
[ ! -f "$manifest" ] || cp "$manifest" "$saved_manifest"
restore() {
    rm -rf "$prefix"
    if [ -f "$saved_manifest" ]; then
        mv "$saved_manifest" "$manifest"
    else
        rm -f "$manifest"
    fi
}
trap restore EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

expected=$(
    cat <<LIST | sort
bin/tessaly
lib/tessaly/libtessaly-print.so
share/applications/$app_id.desktop
share/doc/tessaly/changelog.gz
share/doc/tessaly/copyright
share/icons/hicolor/128x128/apps/$app_id.png
share/icons/hicolor/16x16/apps/$app_id.png
share/icons/hicolor/22x22/apps/$app_id.png
share/icons/hicolor/24x24/apps/$app_id.png
share/icons/hicolor/256x256/apps/$app_id.png
share/icons/hicolor/32x32/apps/$app_id.png
share/icons/hicolor/48x48/apps/$app_id.png
share/icons/hicolor/64x64/apps/$app_id.png
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man1/tessaly.1.gz
share/metainfo/$app_id.metainfo.xml
share/tessaly/translations/tessaly_de.qm
share/tessaly/translations/tessaly_es.qm
share/tessaly/translations/tessaly_fr.qm
LIST
)
installed=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$installed") >&2 || true
    fail "installed files differ from the expected list (< expected, > installed)"
fi
[ -x "$prefix/bin/tessaly" ] || fail "bin/tessaly is not executable"

share=$prefix/share
desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli validate"

# The icon the entry names is the one installed, and the program the entry
# starts is the one installed beside it.
grep -qx "Icon=$app_id" "$share/applications/$app_id.desktop" || fail "Icon= is not $app_id"
grep -qx "Exec=tessaly" "$share/applications/$app_id.desktop" || fail "Exec= is not tessaly"

man_page=$share/man/man1/tessaly.1.gz
lint=$(mandoc -T lint -W warning "$man_page" 2>&1) || fail "mandoc -T lint: $lint"
groff_warnings=$(man --warnings -l "$man_page" 2>&1 >/dev/null)
[ -z "$groff_warnings" ] || fail "man --warnings: $groff_warnings"
man -l "$man_page" 2>/dev/null | grep -q "Please Sign In" || fail "the manual page renders empty"

# The newest entry of the changelog and of the metainfo releases is this
# version, so that a release cannot ship under its predecessor's notes.
changelog_version=$(zcat "$share/doc/tessaly/changelog.gz" | sed -n '1s/^tessaly (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] ||
    fail "changelog.gz starts at version '$changelog_version', not $version"
release_version=$(grep -o -m1 '<release version="[^"]*"' "$share/metainfo/$app_id.metainfo.xml" |
    sed 's/.*"\(.*\)"/\1/')
[ "$release_version" = "$version" ] ||
    fail "the metainfo's newest release is '$release_version', not $version"

echo "installed $(echo "$installed" | wc -l) files; validators and manual page clean"
