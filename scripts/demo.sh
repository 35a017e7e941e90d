#!/usr/bin/env bash
# Sets up what is missing, builds, prepares a Wine prefix with the X11 driver
# and the shipped settings, and starts the front-end stand-in with the
# customizing sheet open.
#   With $DISPLAY: interactive; the demo ends when the front end is closed.
#   Without: runs under Xvfb inside Wine's desktop, walks through the steps
#   below, writes a PNG screenshot for each under build/screenshots/ and
#   prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

BIN=$BUILD/x86_64/bin
SHOTS=$BUILD/screenshots
SHEET="Qor GUI Settings"
SHEET_DE="Qor GUI-Einstellungen"
SESSIONS=2

# --- the steps of the headless walk-through, in order --------------------
# Each step works the windows with qordrive (messages, as a user's clicks
# would send them) and takes its screenshot with shot <name>. To add a step,
# write a function and add its name to STEPS.

drive() {
    wine "$BIN/qordrive.exe" --desktop qor "$@" >/dev/null
}

shot() {
    sleep 1  # let the windows finish painting
    xwd -root -silent | convert xwd:- "png:$SHOTS/$1.png"
    SHOT_FILES+=("$SHOTS/$1.png")
}

step_sheet_general() {
    drive wait "$SHEET" 30000
    shot 01-sheet-general
}

step_sheet_color_settings() {
    drive page "$SHEET" 1
    shot 02-sheet-color-settings
}

step_select_setting() {
    drive choose "$SHEET" 4096 "Day And Dusk"  # its day schedule is on
    shot 03-setting-selected
}

step_change_hue() {
    drive choose "$SHEET" 4096 "Ocean Blue"
    drive hue "$SHEET" 4098 20    # the foreground hue; the background follows, linked
    shot 04-hue-changed
}

step_apply() {
    drive click "$SHEET" 12321  # Apply
    shot 05-applied
}

step_front_end() {
    drive click "$SHEET" 2  # Cancel: Apply has made the changed colours the sessions' own
    shot 06-front-end-sessions
}

step_sheet_in_german() {
    wine reg add 'HKCU\Software\Qor\TextLibrary' /v Language /d DE /f >/dev/null 2>&1
    (cd "$BIN" && wine explorer /desktop=qor qorfront.exe --sheet --quit >/dev/null 2>&1 &)
    drive wait "$SHEET_DE" 30000
    shot 07-sheet-german
    drive click "$SHEET_DE" 2
    wine reg delete 'HKCU\Software\Qor\TextLibrary' /v Language /f >/dev/null 2>&1
}

step_color_picker() {
    (cd "$BIN" && wine explorer /desktop=qor color_demo.exe --picker >/dev/null 2>&1 &)
    drive wait "Color Picker" 30000
    shot 08-color-picker
    drive click "Color Picker" 2
}

# The user's own copy of the shipped themes, as the Color Settings page makes
# it when it starts; the General page lists the user's themes only.
copy_themes_to_user() {
    local user_reg=$BUILD/user-themes.reg
    sed 's/HKEY_LOCAL_MACHINE/HKEY_CURRENT_USER/' setup/appearance.reg >"$user_reg"
    wine regedit /s "$(winepath -w "$user_reg")" >/dev/null 2>&1
}

step_general_theme_list() {
    wine reg query 'HKCU\Software\Qor\General\Appearance\Themes\Standard Theme' /v Path \
        >/dev/null 2>&1 || copy_themes_to_user
    drive menu 200  # Settings > Customize Qor GUI Settings...
    drive wait "$SHEET" 30000
    shot 09-general-installed-theme
    drive choose "$SHEET" 1027 "Tideway Theme"
    shot 10-general-theme-chosen
    drive click "$SHEET" 2
}

step_system_dialog() {
    drive menu 300  # Settings > System Color Setting > P01
    drive wait "System Settings" 30000
    shot 11-system-dialog
    drive choose "System Settings" 4096 "Ocean Blue"
    shot 12-system-setting-chosen
    drive click "System Settings" 1  # OK
    shot 13-front-end-after-system-ok
}

# The Color Settings page's commands. Its message boxes and the time dialog
# have the sheet's caption; above the sheet, they are the ones found.
SETTINGS_KEY='HKCU\Software\Qor\General\Appearance\Themes\Standard Theme'

# A window owned by the sheet stays black in Wine's X11 desktop while it lies
# over the sheet: it is moved beside the sheet for its screenshot.
shot_beside() {
    sleep 1
    drive move "$1" 610 24
    shot "$2"
}

step_save_as() {
    drive menu 200
    drive wait "$SHEET" 30000
    drive page "$SHEET" 1
    drive choose "$SHEET" 4096 "Day And Dusk"
    drive hue "$SHEET" 4098 200
    drive click "$SHEET" 4103
    drive wait "Save As ..."
    shot_beside "Save As ..." 14-save-as-dialog  # proposes the name the colours were derived from
    drive type "Save As ..." 205 "   "
    drive click "Save As ..." 1
    drive wait qorthmcust
    shot_beside qorthmcust 15-save-as-no-valid-name
    drive click qorthmcust 1
    drive type "Save As ..." 205 "Dusk Walk"
    drive click "Save As ..." 1
    shot 16-saved-dusk-walk
}

step_delete() {
    # A key with a subkey of its own cannot be deleted: the failure box.
    wine reg add "$SETTINGS_KEY\Dusk Walk\Kept" /f >/dev/null 2>&1
    drive click "$SHEET" 4104
    shot_beside "$SHEET" 17-delete-question
    drive click "$SHEET" 6  # Yes
    shot_beside "$SHEET" 18-delete-failed
    drive click "$SHEET" 1
    wine reg delete "$SETTINGS_KEY\Dusk Walk\Kept" /f >/dev/null 2>&1
    drive click "$SHEET" 4104
    sleep 1
    drive click "$SHEET" 6
    shot 19-deleted
}

step_day_times() {
    drive choose "$SHEET" 4096 "Ocean Blue"
    drive click "$SHEET" 65556  # Activate Time Settings
    drive click "$SHEET" 65559  # the end of the day
    shot_beside "$SHEET" 20-time-dialog
    drive click "$SHEET" 208    # Custom
    drive type "$SHEET" 209 "19:30"
    drive click "$SHEET" 1
    shot 21-day-end-set
}

step_restore() {
    drive click "$SHEET" 65560
    shot_beside "$SHEET" 22-restore-question
    drive click "$SHEET" 1
    shot 23-restored  # applied at once; the sheet can only be closed now
    drive click "$SHEET" 1
}

STEPS=(step_sheet_general step_sheet_color_settings step_select_setting step_change_hue step_apply
       step_front_end step_sheet_in_german step_color_picker step_general_theme_list step_system_dialog
       step_save_as step_delete step_day_times step_restore)

# --- setting up ----------------------------------------------------------

install_packages
echo "== building i686 (the product)"
build_windows i686 -DQOR_BUILD_TESTS=OFF
echo "== building x86_64 (what runs here)"
build_windows_targets x86_64 qorfront qordrive color_demo

# A running server may still hold a desktop with another display driver.
stop_wine
XVFB_PID=
cleanup() {
    stop_wine
    [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 99 -1 90); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    HEADLESS=1
    sleep 1
fi

echo "== preparing the Wine prefix (X11 driver) and the shipped settings"
prepare_wine x11
import_shipped_settings

if [ -z "${HEADLESS:-}" ]; then
    echo "== starting the front end with the sheet open (close its windows to end)"
    (cd "$BIN" && wine qorfront.exe --windows "$SESSIONS" --sheet)
    exit 0
fi

echo "== walking through the demo on $DISPLAY"
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
SHOT_FILES=()
(cd "$BIN" && wine explorer /desktop=qor,1024x768 qorfront.exe --windows "$SESSIONS" --sheet \
    >/dev/null 2>&1 &)
for step in "${STEPS[@]}"; do
    echo "-- $step"
    "$step"
done
echo "== screenshots:"
printf '%s\n' "${SHOT_FILES[@]}"
