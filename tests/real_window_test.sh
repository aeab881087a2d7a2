#!/bin/sh
# Plays the built game in a real window under Xvfb with xdotool: title, size, cursor, a row drag, Escape.
# Usage: real_window_test.sh <plexaro binary> <cursor_probe binary> <screenshot dir>
set -u
GAME=$(realpath "$1")
PROBE=$(realpath "$2")
mkdir -p "$3"
SHOTS=$(realpath "$3")
REPO=$(pwd)
mkdir -p "$SHOTS"
WORK=$(mktemp -d /tmp/plexaro-window-XXXXXX)
mkdir "$WORK/media"
for f in "$REPO"/media/*; do
    [ "$(basename "$f")" = data.txt ] || ln -s "$f" "$WORK/media/"
done

fail() {
    echo "real window test FAILED: $*"
    [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    exit 1
}

# A free display number, told by Xvfb itself.
exec 3>"$WORK/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for i in $(seq 1 100); do [ -s "$WORK/displayfd" ] && break; sleep 0.1; done
DISPLAY=":$(head -n1 "$WORK/displayfd")"
export DISPLAY
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

shot() { import -window root "$SHOTS/$1.png" 2>/dev/null; }
# Differing pixels between two crops (geometry WxH+X+Y each).
differ() { compare -metric AE "$SHOTS/$1.png[$2]" "$SHOTS/$3.png[$4]" null: 2>&1 | cut -d' ' -f1; }

(cd "$WORK" && exec "$GAME") >"$WORK/game.log" 2>&1 &
GAME_PID=$!

WINDOW=$(timeout 20 xdotool search --sync --name "Plexaro" | head -n1)
[ -n "$WINDOW" ] || fail "no window appeared: $(cat "$WORK/game.log")"
TITLE=$(xdotool getwindowname "$WINDOW")
[ "$TITLE" = "Plexaro  v1.5  (Allegro5) 1024x768" ] || fail "title is '$TITLE'"
GEOMETRY=$(xdotool getwindowgeometry "$WINDOW" | sed -n 's/.*Geometry: //p')
[ "$GEOMETRY" = "1024x768" ] || fail "window is $GEOMETRY"

# The custom cursor, hot spot at its top-left pixel, shows over the window.
xdotool mousemove 400 560
sleep 0.5
CURSOR=$("$PROBE")
CURSOR_SIZE=$(identify -format "%w %h" "$REPO/media/grafika/plx_strzalka.png")
set -- $CURSOR
[ "$1 $2" = "$CURSOR_SIZE" ] && [ "$3" = 0 ] && [ "$4" = 0 ] && [ "$5" -gt 20 ] ||
    fail "cursor is '$CURSOR', picture is $CURSOR_SIZE"

# One long press on OK ends the intro and both waits of the instructions page.
xdotool mousedown 1
# Play has begun once the picture holds still for 1.5 s: the fade, the typing, the reveals and the
# scramble never rest that long (the scramble's longest rest is 1 s).
PLAYING=""
for i in $(seq 1 90); do
    shot poll_a
    sleep 1.5
    shot poll_b
    if [ "$(differ poll_a 1024x768+0+0 poll_b 1024x768+0+0)" = 0 ]; then PLAYING=yes; break; fi
done
xdotool mouseup 1
[ -n "$PLAYING" ] || fail "play never began"
sleep 0.5
shot before_drag
COLOURS=$(convert "$SHOTS/before_drag.png" -format %k info:)
[ "$COLOURS" -gt 200 ] || fail "the play screen has only $COLOURS colours"

# Drag row 2 to the right: one shift by one cell.
xdotool mousemove 150 450
sleep 0.3
xdotool mousedown 1
sleep 0.3
for x in 155 160 165 170 175 180; do xdotool mousemove $x 452; sleep 0.05; done
sleep 0.3
xdotool mouseup 1
sleep 1.5
shot after_drag
MOVED=$(differ after_drag 800x100+160+400 before_drag 800x100+60+400)
WRAPPED=$(differ after_drag 100x100+60+400 before_drag 100x100+860+400)
ABOVE=$(differ after_drag 1024x400+0+0 before_drag 1024x400+0+0)
CHANGED=$(differ after_drag 900x100+60+400 before_drag 900x100+60+400)
[ "$MOVED" = 0 ] && [ "$WRAPPED" = 0 ] || fail "row 2 did not move by one cell ($MOVED, $WRAPPED differing pixels)"
[ "$CHANGED" != 0 ] || echo "note: row 2 looks the same after its shift (a row of one tile kind)"
[ "$ABOVE" -lt 4000 ] || fail "the drag changed $ABOVE pixels above the row"

# Escape ends the game with status 0 and leaves the capture file.
xdotool mousemove 700 150
sleep 0.2
xdotool keydown Escape
sleep 0.5
xdotool keyup Escape
for i in $(seq 1 50); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME_PID" 2>/dev/null && fail "Escape did not end the game"
wait "$GAME_PID"
STATUS=$?
GAME_PID=""
[ "$STATUS" = 0 ] || fail "exit status $STATUS"
[ -f "$WORK/ekran.png" ] || fail "Escape removed ekran.png"
kill "$XVFB_PID" 2>/dev/null
rm -rf "$WORK"
echo "real window test passed (screenshots in $SHOTS)"
