#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs the screen-reader test: Orca itself, on a private X server with a
# window manager, a private session bus and the accessibility bus, with
# speech-dispatcher appending each utterance to a file instead of playing it.
# Exit 77 (skipped) only when Orca is not installed; any other missing piece
# is a failure, since scripts/install-deps.sh installs it.
#
#   orca_test.sh PROGRAM [de]    (ORCA_TEST_LOGS=DIR keeps the logs; ORCA_TEST_LANGUAGE=Python,
#                                 or another entry of the Language menu, plays in that language)
#
# With "de" the program runs in German; a system without a German locale gets
# one generated into the test's own folder (LOCPATH), so that no system
# change is needed.
set -u
program=$1
language=${2:-}
here=$(dirname "$0")
python=/usr/bin/python3

if ! command -v orca >/dev/null; then
    echo "skipped: orca is not installed" >&2
    exit 77
fi
source "$here/../desktop/private_x.sh"
for tool in Xvfb xdotool openbox dbus-run-session speech-dispatcher; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
generic=/usr/lib/speech-dispatcher-modules/sd_generic
[ -x "$generic" ] || fail "speech-dispatcher's generic output module is not installed"
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed"

# speech-dispatcher stops at start-up without a sound device unless ALSA's
# null device is named; the generic module then writes instead of speaking.
write_speech_settings() {
    local settings="$workdir/.config/speech-dispatcher"
    mkdir -p "$settings/modules"
    cat >"$settings/speechd.conf" <<EOF
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "said" "sd_generic" "said.conf"
DefaultModule "said"
DefaultLanguage "en"
LogDir "$workdir"
EOF
    # shellcheck disable=SC2016 # speech-dispatcher fills in $DATA
    # The text is written in UTF-8, so that a German verdict keeps its umlauts.
    printf '%s\n' \
        "GenericExecuteSynth \"printf '%s\\\\n' \\'\$DATA\\' >> $workdir/said.txt\"" \
        'GenericLanguage "en" "en" "utf-8"' \
        'AddVoice "en" "MALE1" "said"' \
        'DefaultVoice "said"' >"$settings/modules/said.conf"
}

# de_DE.UTF-8 from the system, or generated from the sources that Debian's
# locales package holds.
german_locale() {
    locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return
    command -v localedef >/dev/null || fail "localedef is not installed"
    mkdir -p "$workdir/locale"
    localedef -i de_DE -f UTF-8 "$workdir/locale/de_DE.UTF-8" ||
        fail "the German locale could not be generated (is the locales package installed?)"
    export GERMAN_LOCPATH="$workdir/locale"
}

start_private_x
write_speech_settings
[ "$language" != de ] || german_locale
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GSETTINGS_BACKEND=memory \
    XDG_CONFIG_HOME="$workdir/.config"
timeout 240 dbus-run-session -- "$python" "$here/orca_test.py" "$program" "$workdir" $language 2>&1 |
    grep -v '^dbus-daemon\|^SpiRegistry'
status=${PIPESTATUS[0]}
# ORCA_TEST_LOGS=DIR keeps Orca's and speech-dispatcher's logs.
if [ -n "${ORCA_TEST_LOGS:-}" ]; then
    mkdir -p "$ORCA_TEST_LOGS"
    cp "$workdir"/*.log "$workdir/said.txt" "$ORCA_TEST_LOGS" 2>/dev/null
    echo "Orca's logs: $ORCA_TEST_LOGS"
fi
exit "$status"
