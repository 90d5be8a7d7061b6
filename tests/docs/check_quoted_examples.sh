#!/usr/bin/env bash
# Every example a page of the guide quotes must be the file it names, letter
# for letter, so that what the tests run is what the page shows. A quote is a
# fenced block right after a line "<!-- example: PATH -->" (PATH relative to
# the page).
#
#   check_quoted_examples.sh DOCS_DIR
set -euo pipefail
docs=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
quotes=0
while IFS= read -r page; do
  # Writes each quoted block to work/N and prints "N PATH" per quote.
  awk -v work="$work" -v page="$(basename "$page")" '
    /^<!-- example: .* -->$/ { path = $3; want = 1; next }
    want && /^```/ { if (inside) { inside = 0; want = 0; close(file); next }
                     n++; file = work "/" page "." n; printf "" > file; print n, path; inside = 1; next }
    inside { print > file }
  ' "$page" | while read -r n path; do
    if ! cmp -s "$work/$(basename "$page").$n" "$(dirname "$page")/$path"; then
      echo "$page: the quote of $path differs from the file; copy the file into the page again"
      echo x >>"$work/failures"
    fi
    echo x >>"$work/quotes"
  done
done < <(find "$docs" -name '*.md' -not -path '*/reference/*' | sort)
[ -e "$work/quotes" ] && quotes=$(wc -l <"$work/quotes")
[ -e "$work/failures" ] && failed=1
echo "$quotes quoted examples checked"
exit $failed
