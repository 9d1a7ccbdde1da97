#!/usr/bin/env bash
# The manual page renders cleanly: no warning from groff, a NAME line that lexgrog reads, and
# none of the doubled full stops or sentence spaces that an abbreviation such as "Val." at the
# end of a source line would bring.
# Usage: manual_page_test.sh vardolin.1
set -euo pipefail
page=$1
warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$warnings" ] || { echo "FAIL: groff warns: $warnings"; exit 1; }
lexgrog "$page" >/dev/null || { echo "FAIL: lexgrog finds no NAME line"; exit 1; }
text=$(MANWIDTH=200 man -l "$page" 2>&1)
if grep -nE '\.\.|(Val|Ref|Oct)\.  ' <<<"$text"; then
    echo "FAIL: a doubled full stop or a sentence space after an abbreviation"
    exit 1
fi
echo "PASS: the manual page renders cleanly"
