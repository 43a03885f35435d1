#!/usr/bin/env bash
# Checks the help's sources before chmcmd packs them: each page and picture that a page links
# to, and each page of the four contents, exists and is listed in Mirvel.hhp (what is not listed
# is left out of Mirvel.chm); each language's contents has its nine topics.
set -euo pipefail
cd "$(dirname "$0")/../resources/help"
listed=$(sed -n '/^\[FILES\]/,/^\[/p' Mirvel.hhp)
status=0
check() { # where the link is written, the file it names from the help's root
    if ! grep -qxF "$2" <<<"$listed" || [ ! -f "$2" ]; then
        echo "$1: $2 is not in the help file"
        status=1
    fi
}
for page in $(grep -x '.*\.html' <<<"$listed"); do
    for link in $(grep -oE '(href|src)="[^"#]+' "$page" | sed 's/^[a-z]*="//'); do
        [[ $link == *:* ]] || check "$page" "$(realpath -m --relative-to=. "$(dirname "$page")/$link")"
    done
done
for lang in de en sv it; do
    topics=$(grep -oE '"Local" value="[^"]+' "$lang/contents.hhc" | sed 's/.*value="//' | sort -u)
    [ "$(wc -l <<<"$topics")" -ge 9 ] || { echo "$lang/contents.hhc: fewer than nine topics"; status=1; }
    for topic in $topics; do check "$lang/contents.hhc" "$topic"; done
done
[ "$(sed -n 's/^Default topic=//p' Mirvel.hhp)" = index.html ] || { echo "Mirvel.hhp: no start page"; status=1; }
exit $status
