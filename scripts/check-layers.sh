#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the include, when a file of src/ includes a header of a folder above its own or
# beside it, or a drawing or window library's header outside gfx/ and platform/. The folders,
# lowest first:
#   foundation <- library <- gfx, platform <- geometry <- play, ui <- pages <- app
# packsweep stands beside app and uses foundation, library and platform. tools/, tests/ and
# bench/ may include anything and are not read. Usage: check-layers.sh [source root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

declare -A rank=([foundation]=0 [library]=1 [gfx]=2 [platform]=2 [geometry]=3 [play]=4 [ui]=4
                 [pages]=5 [app]=6)
packsweep_uses="foundation library platform"
order="foundation library gfx platform geometry play ui pages app"

may_include() {   # folder, folder of the included header
    local from=$1 to=$2
    [[ $from == "$to" ]] && return 0
    if [[ $from == packsweep ]]; then
        [[ " $packsweep_uses " == *" $to "* ]]
        return
    fi
    [[ -n ${rank[$from]+set} && -n ${rank[$to]+set} ]] && (( rank[$to] < rank[$from] ))
}

below() {   # the folders a folder may include
    local from=$1 list=() f
    for f in $order packsweep; do
        [[ $f != "$from" ]] && may_include "$from" "$f" && list+=("$f/")
    done
    echo "${list[*]:-nothing}"
}

failures=0
checked=0
while IFS= read -r line; do
    file=${line%%:*}; rest=${line#*:}; number=${rest%%:*}; directive=${rest#*:}
    file=${file#./}
    from=${file%%/*}
    checked=$((checked + 1))
    if [[ $directive =~ \"([A-Za-z_]+)/[^\"]*\" ]]; then
        to=${BASH_REMATCH[1]}
        [[ -d $to ]] || continue   # not a folder of src/ (resources' embedded/, a local header)
        if ! may_include "$from" "$to"; then
            if [[ -z ${rank[$from]+set} && $from != packsweep ]]; then
                echo "src/$file:$number: $directive: src/$from/ has no place in the layers (add it to scripts/check-layers.sh)"
            else
                echo "src/$file:$number: $directive: $from/ may not include $to/ (it sees $(below "$from"))"
            fi
            failures=$((failures + 1))
        fi
    elif [[ $directive =~ \<(SDL|cairo|pango|turbojpeg|fontconfig|X11)[^\>]*\> ]]; then
        if [[ $from != gfx && $from != platform ]]; then
            echo "src/$file:$number: $directive: only gfx/ and platform/ use that library"
            failures=$((failures + 1))
        fi
    fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' .)

if (( failures > 0 )); then
    echo "check-layers: $failures include(s) against the layers, of $checked"
    exit 1
fi
echo "check-layers: $checked includes in src/ point down the layers"
