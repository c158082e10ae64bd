#!/usr/bin/env bash
# wine-session.sh start|stop STATE_DIR
# start: a private Xvfb display and a fresh private Wine prefix for one test run, described in
#        STATE_DIR/env for wine-run.sh. stop: ends that wineserver and that Xvfb (by PID) only.
set -euo pipefail
action=${1:?start or stop}
state=${2:?state directory}
mkdir -p "$state"
state=$(cd "$state" && pwd)
prefix=$state/prefix
template=$state/prefix-template
# The loader for the programs of this build's width (VARNELTA_WINE_WIDTH 32 or 64).
wine=$("$(dirname "$0")/wine-loader.sh" "${VARNELTA_WINE_WIDTH:-any}") || wine=""
template=$template-$(basename "${wine:-none}")

stop_session() {
  if [ -d "$prefix" ]; then WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; fi
  if [ -f "$state/xvfb.pid" ]; then
    pid=$(cat "$state/xvfb.pid")
    if [ -r "/proc/$pid/cmdline" ] && tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q '^Xvfb '; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -f "$state/xvfb.pid"
  fi
  rm -f "$state/env"
}

common_env() {
  export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

make_template() {
  # A new prefix takes about 20 s; it is made once per build folder and copied for every run.
  rm -rf "$template.tmp"
  WINEPREFIX=$template.tmp "$wine" wineboot -i >/dev/null 2>&1
  WINEPREFIX=$template.tmp wineserver -w
  local reg=(
    "HKCU\\Software\\Wine\\Explorer /v Desktop /d Default /f"
    "HKCU\\Software\\Wine\\Explorer\\Desktops /v Default /d 1024x768 /f"
  )
  for r in "${reg[@]}"; do
    # shellcheck disable=SC2086
    WINEPREFIX=$template.tmp "$wine" reg add $r >/dev/null 2>&1
  done
  # Tahoma has no Chinese glyphs: link it to the CJK font as Windows does.
  WINEPREFIX=$template.tmp "$wine" reg add \
    'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
    /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  WINEPREFIX=$template.tmp wineserver -w
  ln -sf /usr/share/wine/fonts/*.ttf "$template.tmp/drive_c/windows/Fonts/"
  template_stamp >"$template.tmp/.varnelta-wine-version"
  mv "$template.tmp" "$template"
}

# What a template was made by: the Wine version and this recipe, so that a template made before
# a change of the recipe (a font or registry setting added) is made again instead of reused.
template_stamp() {
  echo "$("$wine" --version) $(declare -f make_template | sha1sum | cut -c1-16)"
}

# The prefix has what Chinese text needs: Tahoma linked to the CJK font, Wine's own fonts.
prefix_has_fonts() {
  grep -q '^"Tahoma"=str(7):"wqy-microhei.ttc' "$1/system.reg" 2>/dev/null &&
    [ -e "$1/drive_c/windows/Fonts/marlett.ttf" ]
}

case "$action" in
  start)
    stop_session
    if [ -z "$wine" ]; then echo "no Wine loader runs programs of this width here" >&2; exit 1; fi
    common_env
    # Xvfb picks a free display itself and writes its number to the descriptor.
    exec 3>"$state/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    exec 3>&-
    for _ in $(seq 100); do [ -s "$state/display" ] && break; sleep 0.1; done
    [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
    export DISPLAY=:$(head -n1 "$state/display")
    if [ ! -f "$template/.varnelta-wine-version" ] ||
       [ "$(cat "$template/.varnelta-wine-version")" != "$(template_stamp)" ] || ! prefix_has_fonts "$template"; then
      rm -rf "$template"
      make_template
    fi
    # The prefix appears whole or not at all: a program started against a missing prefix would
    # make Wine create a new one of its own, without the font links.
    rm -rf "$prefix" "$prefix.tmp"
    cp -a "$template" "$prefix.tmp"
    mv "$prefix.tmp" "$prefix"
    prefix_has_fonts "$prefix" || { echo "the Wine prefix has no CJK font link" >&2; exit 1; }
    cat >"$state/env" <<ENV
export DISPLAY=$DISPLAY
export WINEPREFIX=$prefix
export WINEDEBUG=$WINEDEBUG
export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
export LANG=$LANG
export LC_ALL=$LC_ALL
export VARNELTA_WINE=$wine
ENV
    echo "wine session: DISPLAY=$DISPLAY WINEPREFIX=$prefix"
    ;;
  stop)
    stop_session
    echo "wine session stopped"
    ;;
  *) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
