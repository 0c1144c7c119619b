#!/usr/bin/env bash
# Sourced by run.sh and test.sh: a throwaway Wine prefix with MS Sans Serif installed, and a
# virtual X display of its own unless told to use the current one. Both go when the shell exits.

wine_session_start() {
  local use_current_display=${1:-no}
  QUORM_SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/quorm3.XXXXXX")
  export WINEPREFIX="$QUORM_SESSION_DIR/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap wine_session_stop EXIT

  if [ "$use_current_display" != yes ] || [ -z "${DISPLAY:-}" ]; then
    local display
    for display in $(seq 90 140); do
      [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$QUORM_SESSION_DIR/xvfb.log" 2>&1 &
    QUORM_XVFB_PID=$!
    export DISPLAY=":$display"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$display" ] && break
      sleep 0.1
    done
  fi

  # The wineserver and the session's helper processes outlive the commands that start them;
  # they are started here with their output in files, so that no caller's pipe stays open.
  mkdir -p "$WINEPREFIX"
  wineserver -p >"$QUORM_SESSION_DIR/wineserver.log" 2>&1
  wineboot -i >"$QUORM_SESSION_DIR/wineboot.log" 2>&1
  # MS Sans Serif for the screens, Marlett for the glyphs of the title-bar buttons.
  cp /usr/share/wine/fonts/sserife.fon /usr/share/wine/fonts/marlett.ttf \
    "$WINEPREFIX/drive_c/windows/Fonts/"
  wine_session_registry >"$QUORM_SESSION_DIR/session.reg"
  wine regedit /S "$(winepath -w "$QUORM_SESSION_DIR/session.reg" 2>/dev/null)" \
    >>"$QUORM_SESSION_DIR/wineboot.log" 2>&1
  # The font list is read when the server starts.
  wineserver -k
  wineserver -w
  wineserver -p >>"$QUORM_SESSION_DIR/wineserver.log" 2>&1
  wine cmd /c exit >>"$QUORM_SESSION_DIR/wineboot.log" 2>&1
}

# The prefix's settings: the fonts, the classic "Windows Standard" colour scheme of the system
# the screens imitate (silver faces, navy title bars and highlight, the 3D edges of the
# pictures), and, on a display without a window manager, no wait for one at every window shown.
wine_session_registry() {
  echo 'REGEDIT4'
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]'
  echo '"MS Sans Serif 8,10,12,14,18,24"="sserife.fon"'
  echo '"Marlett (TrueType)"="marlett.ttf"'
  echo
  echo '[HKEY_CURRENT_USER\Control Panel\Colors]'
  local colour
  for colour in "ActiveBorder=192 192 192" "ActiveTitle=0 0 128" "AppWorkSpace=128 128 128" \
    "Background=0 128 128" "ButtonAlternateFace=192 192 192" "ButtonDkShadow=0 0 0" \
    "ButtonFace=192 192 192" "ButtonHilight=255 255 255" "ButtonLight=223 223 223" \
    "ButtonShadow=128 128 128" "ButtonText=0 0 0" "GradientActiveTitle=0 0 128" \
    "GradientInactiveTitle=128 128 128" "GrayText=128 128 128" "Hilight=0 0 128" \
    "HilightText=255 255 255" "HotTrackingColor=0 0 255" "InactiveBorder=192 192 192" \
    "InactiveTitle=128 128 128" "InactiveTitleText=192 192 192" "InfoText=0 0 0" \
    "InfoWindow=255 255 225" "Menu=192 192 192" "MenuBar=192 192 192" "MenuHilight=0 0 128" \
    "MenuText=0 0 0" "Scrollbar=192 192 192" "TitleText=255 255 255" "Window=255 255 255" \
    "WindowFrame=0 0 0" "WindowText=0 0 0"; do
    echo "\"${colour%%=*}\"=\"${colour#*=}\""
  done
  if [ -n "${QUORM_XVFB_PID:-}" ]; then
    echo
    echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
    echo '"Managed"="N"'
  fi
}

wine_session_stop() {
  # Everything is attempted, whatever fails: nothing of the session may be left behind.
  set +e
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1; fi
  if [ -n "${QUORM_XVFB_PID:-}" ]; then
    kill "$QUORM_XVFB_PID" 2>/dev/null
    wait "$QUORM_XVFB_PID" 2>/dev/null
  fi
  if [ -n "${QUORM_SESSION_DIR:-}" ]; then rm -rf "$QUORM_SESSION_DIR"; fi
  return 0
}
