#!/bin/sh
# On a real X display the program's windows carry their own titles, with
# nothing appended by the toolkit. Run by xvfb-run.
bin=$1
dir=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=xcb MARKVALE_CONFIG="$dir/MarkvalePRO.conf" XDG_CONFIG_HOME="$dir"

# expect_title CONFIG TITLE: starts the program and waits for a window of exactly that title.
expect_title() {
    printf '%b' "$1" > "$MARKVALE_CONFIG"
    "$bin" & pid=$!
    if ! timeout 30 xdotool search --sync --name "^$2\$" >/dev/null; then
        echo "no window titled '$2'; titles: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
        exit 1
    fi
    kill $pid
    wait $pid 2>/dev/null || true
}

expect_title '' 'Language, sprog, Sprache'
expect_title '[Config]\nLang=1\nTagsInstalled=1\n' 'Markvale PRO'
exit 0
