#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the staged sample pictures as the sample library of the program folder.
#
# Usage: install-samples.sh PACK_TOOL STAGING DIST RECORD
#
# STAGING holds the pictures and library.tsv (tab-separated lines "category ID NAME" and
# "pack ID NAME CATEGORY_ID PICTURE..."). RECORD lists, relative to DIST, every file that the
# previous run installed; those files, and only those, are removed before installing again,
# so whatever else lies in the program folder is left alone.
set -eu

tool=$1
staging=$2
dist=$3
record=$4
manifest=$staging/library.tsv
tab=$(printf '\t')

if [ -f "$record" ]; then
    while IFS= read -r file; do
        [ -n "$file" ] && rm -f "$dist/$file"
    done < "$record"
fi
# Without a record (the build tree's copy was lost) the category and pack files that would be
# written now are still ours: the sample library owns these ids.
while IFS="$tab" read -r kind id rest; do
    case $kind in
        category) rm -f "$dist/$id.ctg" ;;
        pack) rm -f "$dist/$id.pck" ;;
    esac
done < "$manifest"

mkdir -p "$dist/Puzzles"
before=$(mktemp)
after=$(mktemp)
trap 'rm -f "$before" "$after"' EXIT
(cd "$dist/Puzzles" && ls -A) | sort > "$before"
: > "$record.new"

# Appends the puzzle files that appeared since the last call to the new record; called after
# every command, so a run that fails half-way still records what it did install.
note_puzzles() {
    (cd "$dist/Puzzles" && ls -A) | sort > "$after"
    comm -13 "$before" "$after" | sed 's|^|Puzzles/|' >> "$record.new"
    cp "$after" "$before"
    cp "$record.new" "$record"
}

while IFS="$tab" read -r kind id name rest; do
    [ "$kind" = category ] || continue
    echo "$id.ctg" >> "$record.new"
    "$tool" add-category "$dist" "$id" "$name" < /dev/null
    note_puzzles
done < "$manifest"

while IFS="$tab" read -r kind id name category pictures; do
    [ "$kind" = pack ] || continue
    set --
    old_ifs=$IFS
    IFS=$tab
    for picture in $pictures; do
        set -- "$@" "$staging/$picture"
    done
    IFS=$old_ifs
    echo "$id.pck" >> "$record.new"
    "$tool" add-pack "$dist" --id "$id" --name "$name" --category "$category" "$@" < /dev/null
    note_puzzles
done < "$manifest"

mv "$record.new" "$record"
