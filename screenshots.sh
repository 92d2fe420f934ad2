#!/usr/bin/env bash
# Builds the viewer and takes the screenshots in docs/screenshots/ of the
# sample interrupt list under a virtual X server: a formatted topic, a walk
# with the keyboard, the see-also menu, the zoomed topic, the four pages of
# the Configuration dialog, its font dialog, a help popup, the About box, the
# help window, the tooltip over a reference into the port list and Search
# Topic Texts over all sample lists. The window is driven from inside through
# ZELT_SCREENSHOT_SCRIPT by the screenshot build of the viewer (ui/screenshots/),
# which is never installed.
set -euo pipefail
cd "$(dirname "$0")"
cmake --preset default -B build/screenshots -DZELT_BUILD_SCREENSHOTS=ON >/dev/null
cmake --build build/screenshots --target zeltview-shots

out="$PWD/docs/screenshots"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/lists"
cp samples/*.LST "$work/lists/"

# Topic 11 is INT 08 H (IRQ0 - system timer): labels and a see-also line.
cat >"$work/steps" <<STEPS
resize 1000 700
select 11
shot $out/1-topic.png
key Down
key Down
key Down
key Down
shot $out/2-keyboard.png
seealso
shot $out/3-see-also-menu.png
closemenus
zoom
shot $out/4-zoomed.png
zoom
command OptionsConfigurationCmd
dialogshot $out/5-config-startup.png
page 1
dialogshot $out/6-config-settings.png
page 2
dialogshot $out/7-config-layout.png
click Config_FontButton
combo FontFamily DejaVu Sans Mono
spin FontSize 10
dialogshot $out/12-font-dialog.png
closedialog
page 3
dialogshot $out/8-config-advanced.png
page 0
helpkey Config_DefStartupDir
dialogshot $out/9-help-popup.png
closedialog
command HelpAboutCmd
dialogshot $out/10-about.png
closedialog
command HelpHelpIndexCmd
dialogshot $out/11-help-window.png
select 12
tip PORT 0060h
shot $out/13-reference-tooltip.png
command SearchTopicTextsCmd
type timer
key Down
key Down
key Down
key Down
key Down
key Down
key Down
key Down
key Down
key Return
shot $out/14-search-topic-texts.png
quit
STEPS

(
  cd "$work/lists"
  XDG_CONFIG_HOME="$work/config" ZELT_SCREENSHOT_SCRIPT="$work/steps" \
    xvfb-run -a -s "-screen 0 1280x800x24" \
    "$OLDPWD/build/screenshots/ui/screenshots/zeltview-shots" -CONFIGNOSAVE INTERRUP.LST
)
ls -1 "$out"
