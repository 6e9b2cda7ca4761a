#!/usr/bin/env bash
# Makes the pictures of the manual: runs the real program under a private X
# server on the published history it ships with, its latest draws stored with
# the predictions the program made for each, and saves a PNG of every window
# into manual/help/images.
#
#   scripts/screenshots.sh [BUILD_DIR]     (default: build, as `make build`)
#
# The program runs from a copy in a temporary folder with a database of its
# own: the database in BUILD_DIR is never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build}
images=$root/manual/help/images

./scripts/setup.sh --screenshots
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZELPO_TESTS=OFF
fi
cmake --build "$build" -j "$(nproc)" --target zelpo zelpo-cli

work=$(mktemp -d)
xvfb_pid=
zelpo_pid=
cleanup() {
    [ -n "$zelpo_pid" ] && kill "$zelpo_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$build/bin/zelpo" "$build/bin/zelpo-cli" "$work/"
cp -r "$root/manual/ナンバーズ３＆４＆ミニロト.html" "$root/manual/help" "$work/"
mkdir "$work/no-browser"
cli=$work/zelpo-cli

# The published history that the program ships with (data/), the latest draws
# of each game registered one by one as the program registers them: each
# stored with the predictions made for it from the draws before it.
"$cli" init --empty >/dev/null
registered=30

register() { # register GAME HEADER ROW: one draw with the current predictions
    local game=$1 header=$2 row=$3 predictions
    predictions=$("$cli" predict "$game" | paste -sd, -)
    printf '%s\n%s,%s\n' "$header" "$row" "$predictions" >"$work/draw.csv"
    "$cli" import "$game" "$work/draw.csv" >/dev/null
}

for game in numbers3 numbers4 miniloto; do
    history=$root/data/$game.csv
    header=$(head -n1 "$history")
    draws=$(($(wc -l <"$history") - 1))
    head -n $((draws - registered + 1)) "$history" >"$work/older.csv"
    "$cli" import "$game" "$work/older.csv" >/dev/null
    if [ "$game" = miniloto ]; then
        header+=,kounyu2,kounyu3,kounyu4,kounyu5 # the bonus fills kounyu1
    else
        header+=,kounyu1,kounyu2,kounyu3,kounyu4,kounyu5
    fi
    tail -n "$registered" "$history" | while IFS= read -r row; do
        register "$game" "$header" "$row"
    done
done

# The payouts the program ships with, for the 収支 page of 予想の成績: copied
# from a database made with the whole published history.
"$cli" init "$work/full.mdb" >/dev/null
copy="ATTACH '$work/full.mdb' AS full;"
for table in ナンバーズ3配当 ナンバーズ4配当 ミニロト配当; do
    copy+=" INSERT OR REPLACE INTO $table SELECT * FROM full.$table;"
done
sqlite3 "$work/ナンバーズ.mdb" "$copy"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(head -n1 "$work/display")
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY

window() { # window TITLE: the id of the visible window with exactly this title
    xdotool search --sync --onlyvisible --name "^$1\$" | tail -n1
}
focus() { # focus TITLE: waits for the window, gives it the keyboard; id in $id
    id=$(window "$1")
    xdotool windowfocus --sync "$id"
    sleep 0.3
}
keys() { xdotool key --delay 60 "$@"; sleep 0.5; }
shoot() { # shoot NAME: the focused window $id as images/NAME.png
    sleep 0.5
    import -window "$id" "png:$images/$1.png"
    echo "  $1.png"
}
click_at() { # click_at X% Y% [CLICKS [BUTTON]]: a point of window $id, as fractions of its size
    local width height
    eval "$(xdotool getwindowgeometry --shell "$id")"
    width=$WIDTH height=$HEIGHT
    xdotool mousemove --window "$id" $((width * $1 / 100)) $((height * $2 / 100))
    sleep 0.3
    xdotool click --repeat "${3:-1}" --delay 80 "${4:-1}"
    sleep 0.8
}

mkdir -p "$images"
echo "Saving into $images:"
# With nothing on its PATH the program finds no browser and shows the manual itself.
(cd "$work" && env -u BROWSER -u DEFAULT_BROWSER PATH="$work/no-browser" ./zelpo) &
zelpo_pid=$!

focus "ナンバーズ Zelpo"
shoot menu

# ナンバーズ３: predictions, then the whole list; its registration window.
keys space
focus "ナンバーズ３予想"
keys space                     # 予　　想 (the first Tab stop)
keys Tab Tab Tab Tab Tab Tab space # 当 選 数 字 一 覧
keys Tab Tab Tab Tab Tab Tab Tab Tab End # the latest draws of the list
shoot numbers3
click_at 50 70 1 3                 # the list's context menu
keys s                             # 予想の成績(&S)...
focus "ナンバーズ３　予想の成績"
shoot prediction-record
keys Tab Tab Right                 # from the first range box to the tabs, then 収支
shoot prediction-record-money
keys Escape
focus "ナンバーズ３予想"
click_at 50 70 1 3                 # the list's context menu again
keys t                             # 出現傾向(&T)...
focus "ナンバーズ３　出現傾向"
shoot trends
keys Escape
focus "ナンバーズ３予想"
keys Tab space                     # 当選数字登録
focus "当選数字登録"
keys 4 Tab 7 Tab 1 Tab 2 Tab 5 Tab 8 Tab 0
shoot registration
keys Escape
focus "ナンバーズ３予想"
keys Escape

# ナンバーズ４: predictions and the list, as above. The menu keeps the focus
# on the button that opened the last window.
focus "ナンバーズ Zelpo"
keys Tab space
focus "ナンバーズ４予想"
keys Tab Tab Tab Tab Tab Tab Tab Tab space # 予　　想
keys shift+Tab space                       # 当 選 数 字 一 覧
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab End
shoot numbers4
keys Escape

# ミニロト: predictions and the list; registration; the editor on a listed draw.
focus "ナンバーズ Zelpo"
keys Tab space
focus "ミニロト予想"
keys space                               # 予　　想
keys Tab space                           # 当 選 数 字 一 覧
keys Tab Tab Tab Tab Tab Tab Tab Tab End
shoot miniloto
keys Tab space                           # 当選数字登録
focus "ミニロト登録"
keys 3 Tab 1 2 Tab 1 7 Tab 2 5 Tab 3 0 Tab 7
shoot miniloto-registration
keys Escape
focus "ミニロト予想"
click_at 30 52 2                         # a draw in the middle of the list
focus "　　編　　集"
shoot editor
keys Escape
focus "ミニロト予想"
keys Escape

# The program's own viewer, which shows the manual where no browser is found.
focus "ナンバーズ Zelpo"
keys Tab Tab space                       # ヘ　ル　プ
focus "ナンバーズ Zelpo ヘルプ"
shoot viewer
keys Escape
focus "ナンバーズ Zelpo"
keys Escape
wait "$zelpo_pid" || true
zelpo_pid=
