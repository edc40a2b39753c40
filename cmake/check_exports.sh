#!/usr/bin/env bash
# Every class declared in an installed header of a library links: each
# symbol that the library's own objects define for such a class (member
# functions, static data, thunks) is exported by the shared library. Inline
# members and templates are compiled into the consumer and are not looked at.
# A symbol belongs to its outermost class, the first name after the (lower
# case) namespaces: nested classes go with the class around them.
#
#   check_exports.sh <library.so> <file listing the installed headers> <objects, ;-separated>
set -euo pipefail
export LC_ALL=C
library=$1
mapfile -t headers < "$2"
IFS=';' read -ra objects <<< "$3"

# The classes the installed headers define (forward declarations end in ';').
classes=$(cat "${headers[@]}" |
    sed -nE 's/^\s*(class|struct)\s+([A-Z0-9_]+\s+)?([A-Za-z_][A-Za-z0-9_]*)\s*(final\s*)?([:{].*)?$/\3/p' |
    sort -u | paste -sd'|')
if [ -z "$classes" ]; then
    echo "$(basename "$library"): its installed headers define no class"
    exit 0
fi

exported=$(nm -DC --defined-only "$library" | cut -d' ' -f3- | sort -u)
defined=$(nm -C --defined-only -g "${objects[@]}" | sed -nE 's/^[0-9a-f]+ [TDBR] //p' | sort -u)
hidden=$(comm -23 <(echo "$defined") <(echo "$exported") |
    grep -E "^([a-z -]+ (to|for) )?([a-z_0-9]+::)*($classes)::" || true)
if [ -n "$hidden" ]; then
    echo "$(basename "$library") does not export these members of classes declared in its installed headers:"
    echo "$hidden"
    echo "Export the class (its library's export macro) or stop installing its header (PRIVATE_HEADERS)."
    exit 1
fi
echo "$(basename "$library"): classes defined in its installed headers: $(tr '|' '\n' <<< "$classes" | wc -l), all exported"
