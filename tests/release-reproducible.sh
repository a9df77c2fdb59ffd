#!/bin/sh
# The release command gives the same bytes from the same sources in two
# different folders, and its program is the tested one ($1), stripped.
set -eu
tested_program="$1"
strip="$2"
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The project's files as they are in the work tree (tracked, or new and not
# ignored), into a new folder.
copy_sources() {
    mkdir -p "$1"
    (cd "$repo" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) | tar -xf - -C "$1"
}

copy_sources "$work/first"
copy_sources "$work/a/second/folder"
sh "$work/first/scripts/release.sh" "$work/first-dist" >/dev/null
sh "$work/a/second/folder/scripts/release.sh" "$work/second-dist" >/dev/null
SOURCE_DATE_EPOCH=0 "$strip" --strip-all -o "$work/tested-stripped.exe" "$tested_program"

status=0
for file in $(cd "$work/first-dist" && ls); do
    if cmp -s "$work/first-dist/$file" "$work/second-dist/$file"; then
        echo "same in both folders: $file"
    else
        echo "FAILED: $file differs between the two builds"
        status=1
    fi
done
unzip -p "$work"/first-dist/*.zip velloran.exe >"$work/released.exe"
if cmp -s "$work/released.exe" "$work/tested-stripped.exe"; then
    echo "the released program is the tested one, stripped"
else
    echo "FAILED: the released program differs from the tested one, stripped"
    status=1
fi
(cd "$work/first-dist" && sha256sum --check --ignore-missing ./*.sha256) || status=1
exit $status
