#!/usr/bin/env bash
# The layers as the build enforces them: each folder of src includes only from the folders below it;
# velcarin-cli links neither Qt Gui nor Qt Widgets, and its sheet printer Qt Gui only, to draw printed
# sheets, never Qt Widgets or Qt Print Support.
# Usage: check-layers.sh SOURCE_DIR VELCARIN_CLI VELCARIN_PRINT
set -u
src=$1/src
cli=$2
printer=$3
status=0

# The folders each folder may include from, itself included.
declare -A allowed=(
    [data]="data"
    [sheet]="data sheet"
    [shell]="data sheet shell"
    [help]="data shell help"
    [adviser]="data sheet shell adviser"
    [jo]="data sheet shell adviser jo"
    [suppliers]="data shell adviser suppliers"
    [charts]="data shell adviser charts"
    [search]="data shell help adviser jo suppliers search"
    [overview]="data sheet shell help adviser jo suppliers charts search overview"
    [app]="data sheet shell help adviser jo suppliers charts search overview app"
    [cli]="data sheet help adviser jo suppliers charts search overview cli"
)

for folder in "$src"/*/; do
    name=$(basename "$folder")
    if [ -z "${allowed[$name]+set}" ]; then
        echo "src/$name: a folder the layers do not name"
        status=1
        continue
    fi
    while IFS=: read -r file line include; do
        target=$(sed -E 's/^#include "([^"/]+)\/.*/\1/' <<<"$include")
        if [ "$target" = "$include" ]; then
            echo "${file#"$1"/}:$line: include not written from src: $include"
            status=1
        elif ! grep -qw -- "$target" <<<"${allowed[$name]}"; then
            echo "${file#"$1"/}:$line: $name includes from $target: $include"
            status=1
        fi
    done < <(grep -rnE '^#include "' "$folder" --include='*.h' --include='*.cpp' | sed -E 's/^([^:]*):([0-9]+):/\1:\2:/')
done

if readelf -d "$cli" | grep NEEDED | grep -E 'libQt6(Gui|Widgets|PrintSupport)'; then
    echo "velcarin-cli links Qt Gui, Qt Widgets or Qt Print Support"
    status=1
fi
if readelf -d "$printer" | grep NEEDED | grep -E 'libQt6(Widgets|PrintSupport)'; then
    echo "velcarin-print links Qt Widgets or Qt Print Support"
    status=1
fi
[ "$status" -eq 0 ] && echo "layers hold"
exit "$status"
