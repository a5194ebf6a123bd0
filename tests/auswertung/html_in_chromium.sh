#!/usr/bin/env bash
# html_in_chromium.sh <zaveredo2-auswertung>: renders the HTML report of the fixed records in
# headless Chromium, counts the bars of every chart and the cells of the heat map in the DOM
# Chromium built, and checks that a screenshot at 1280 px shows the palette's colours. Without Chromium it skips (exit 77), except
# in CI (CI=true), where that fails.
set -u
tool=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  if [ "${CI:-}" = true ]; then
    echo "FAIL: chromium is missing in CI" >&2
    exit 1
  fi
  echo "html_in_chromium: SKIPPED: chromium is missing (tools/install-deps.sh installs it)"
  exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/zavhtml.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$tool" --format html -o "$work/bericht.html" "$here/data/buero.txt" "$here/data/labor.txt" \
  "$here/data/werkstatt-cp1252.txt" || fail "the report ended with $?"
# url() may only point into the page itself (the hatching of the sort bars).
grep -q -e '<script' -e 'src=' -e 'href=' -e 'url([^#]' "$work/bericht.html" &&
  fail "the page loads something from elsewhere"

browse() {
  timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" "$@" "file://$work/bericht.html" 2>/dev/null
}
browse --dump-dom >"$work/dom.html" || fail "chromium could not dump the page"
count() { grep -o "$1" "$work/dom.html" | wc -l; }
# Three machines: one index bar each, and a fill and a sort bar per machine in 16 type charts.
[ "$(count '<svg [^>]*class="diagramm"')" = 17 ] || fail "$(count '<svg ') charts instead of 17"
[ "$(count '<rect class="balken index"')" = 3 ] || fail "index bars: $(count '<rect class="balken index"')"
[ "$(count '<rect class="balken fuellen"')" = 48 ] || fail "fill bars: $(count '<rect class="balken fuellen"')"
[ "$(count '<rect class="balken sortieren"')" = 48 ] || fail "sort bars: $(count '<rect class="balken sortieren"')"
grep -q 'Zeit (s)' "$work/dom.html" || fail "no axis title with its unit"
# The heat map: one cell per machine and phase, before the charts of the types; sorts hatched.
[ "$(count '<table class="waerme"')" = 1 ] || fail "no heat map"
[ "$(count '<td class="heiss"')" = $((3 * 32)) ] || fail "heat map cells: $(count '<td class="heiss"')"
heat=$(grep -n 'class="waerme"' "$work/dom.html" | head -1 | cut -d: -f1)
types=$(grep -n 'class="typen"' "$work/dom.html" | head -1 | cut -d: -f1)
[ "$heat" -lt "$types" ] || fail "the heat map stands after the charts of the types"
grep -q '<pattern id="schraffur"' "$work/dom.html" || fail "no hatching for the sort bars"

browse --screenshot="$work/bild.png" --window-size=1280,3000 >/dev/null ||
  fail "chromium could not take a screenshot"
# Okabe–Ito: the index bars (bluish green), the fill bars (orange), the sort bars' and the
# faster heat cells' blue, and the slowest heat cells' vermillion.
python3 "$here/png_colours.py" "$work/bild.png" 009e73 e69f00 0072b2 d55e00 ||
  fail "the screenshot"
echo "html_in_chromium: ok"
