#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the files, when a C++ file differs from what .clang-format makes of it or a
# source, script or build file lacks its licence line. With --fix it formats the C++ files and
# adds the missing licence lines instead. Usage: check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
fix=false
[[ ${1:-} == --fix ]] && fix=true

# Another version of clang-format may lay the same code out otherwise: this one is Debian 12's.
readonly clang_format=${CLANG_FORMAT:-clang-format-14}
readonly licence="SPDX-License-Identifier: GPL-3.0-or-later"
status=0

# The files that carry the licence line, by the comment that holds it.
cpp_files() { git ls-files -co --exclude-standard -- '*.cpp' '*.h'; }
hash_files() {
    git ls-files -co --exclude-standard -- '*.sh' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' \
        Makefile .ci/run .clang-format .editorconfig .gitignore '*.desktop' '*.dict'
}

# Adds the licence line as the first comment: below a "#!" line, else at the top.
add_licence() {   # add_licence FILE COMMENT-PREFIX
    local file=$1 prefix=$2
    if [[ $(head -c 2 "$file") == "#!" ]]; then
        sed -i "1a $prefix $licence" "$file"
    else
        sed -i "1i $prefix $licence" "$file"
    fi
}

check_licence() {   # check_licence COMMENT-PREFIX < files
    local prefix=$1 file
    while IFS= read -r file; do
        [[ -f $file ]] || continue
        head -n 3 "$file" | grep -qF "$licence" && continue
        if $fix; then
            add_licence "$file" "$prefix"
        else
            echo "no licence line: $file"
            status=1
        fi
    done
}

cpp_files | check_licence "//"
hash_files | check_licence "#"

if $fix; then
    cpp_files | xargs -r "$clang_format" -i
else
    unformatted=$(cpp_files | xargs -r "$clang_format" --dry-run 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
    if [[ -n $unformatted ]]; then
        echo "not formatted (make format fixes it):"
        echo "$unformatted" | sed 's/^/  /'
        status=1
    fi
fi
exit $status
