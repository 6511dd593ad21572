#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs a private CUPS scheduler for the print tests.
#
#   private_cups.sh start DIR             start cupsd with everything under DIR,
#                                         print CUPS_SERVER=<socket>
#   private_cups.sh stop DIR              stop that cupsd and wait for it to exit
#   private_cups.sh wait-job DIR TIMEOUT  wait (seconds) until a job's output is
#                                         complete, print the output file's path
#   private_cups.sh env DIR               print every variable a client needs
#   private_cups.sh reject|accept DIR     make the queue refuse or take new jobs
#   private_cups.sh disable|enable DIR    stop the queue (jobs wait in it) or resume it
#   private_cups.sh pause|resume DIR      freeze the scheduler (SIGSTOP) or thaw it:
#                                         a frozen one takes connections, never answers
#   private_cups.sh jobs DIR              print the number of unfinished jobs
#   private_cups.sh remove DIR            delete the queue, leaving no default printer
#
# The scheduler listens only on DIR/cups.sock. Its one queue, tessaly-test, is
# the server's default destination; each job goes through the stock pdftopdf
# filter and ends up as a PDF in DIR/out/tessaly-test.pdf (every job overwrites
# it). The machine's own CUPS configuration, printers and scheduler are never
# used. `start` exits with 77 when something it needs is not installed.

set -u

readonly QUEUE=tessaly-test
readonly START_TIMEOUT=${PRIVATE_CUPS_START_TIMEOUT:-20}
# A scheduler whose test died without calling `stop` is ended by a watchdog
# after this many seconds, or as soon as DIR is deleted.
readonly LIFETIME=${PRIVATE_CUPS_LIFETIME:-1800}

die() {
    echo "private_cups: $*" >&2
    exit 1
}

usage() {
    echo "usage: $0 start|stop|env|reject|accept|disable|enable|pause|resume|jobs|remove DIR" \
        "| wait-job DIR TIMEOUT" >&2
    exit 2
}

# Client tools talk only to the private scheduler, ignore the user's and the
# machine's client settings, and get a time limit so that a wedged scheduler
# cannot hang a test.
client() {
    env -u PRINTER -u LPDEST CUPS_SERVER="$SOCKET" \
        CUPS_SERVERROOT="$DIR/client" HOME="$DIR/home" timeout 15 "$@"
}

find_program() {
    local name=$1 dir
    local IFS=:
    for dir in $PATH /usr/sbin /sbin /usr/local/sbin; do
        if [ -f "$dir/$name" ] && [ -x "$dir/$name" ]; then
            echo "$dir/$name"
            return 0
        fi
    done
    return 1
}

# Sets DIR to the absolute path of the directory argument and derives the
# paths used by every subcommand.
set_dir() {
    [ -n "${1:-}" ] || usage
    [ -d "$1" ] || die "'$1' is not a directory"
    DIR=$(cd "$1" && pwd -P) || die "cannot enter '$1'"
    SOCKET=$DIR/cups.sock
    PIDFILE=$DIR/cupsd.pid
    WATCHFILE=$DIR/watchdog.pid
    OUTFILE=$DIR/out/$QUEUE.pdf
    ERRORLOG=$DIR/log/error_log
    LPSTAT=$(find_program lpstat) || LPSTAT=lpstat
}

# True when PID is a live (not zombie) cupsd that was started for DIR.
is_our_cupsd() {
    local pid=$1 state cmdline
    [[ $pid =~ ^[0-9]+$ ]] || return 1
    [ -r "/proc/$pid/stat" ] || return 1
    state=$(sed 's/^.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f1)
    [ -n "$state" ] && [ "$state" != Z ] || return 1
    cmdline=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)
    [[ $cmdline == *cupsd*"-c $DIR/cupsd.conf"* ]]
}

running_pid() {
    local pid
    [ -f "$PIDFILE" ] || return 1
    pid=$(cat "$PIDFILE" 2>/dev/null)
    is_our_cupsd "$pid" || return 1
    echo "$pid"
}

# The last error lines of the scheduler's log, for failure messages.
log_errors() {
    if [ -f "$ERRORLOG" ]; then
        grep '^E ' "$ERRORLOG" | tail -n 5 | sed 's/^/    /' >&2
    fi
    if [ -s "$DIR/log/cupsd.out" ]; then
        tail -n 5 "$DIR/log/cupsd.out" | sed 's/^/    /' >&2
    fi
}

check_installed() {
    local missing=() dir
    CUPSD=$(find_program cupsd) || missing+=("cupsd (package cups-daemon)")
    LPADMIN=$(find_program lpadmin) || missing+=("lpadmin (package cups-client)")
    LPSTAT=$(find_program lpstat) || missing+=("lpstat (package cups-client)")
    SERVERBIN=
    for dir in ${PRIVATE_CUPS_SERVERBIN:-} /usr/lib/cups /usr/libexec/cups; do
        if [ -d "$dir/filter" ]; then
            SERVERBIN=$dir
            break
        fi
    done
    if [ -z "$SERVERBIN" ]; then
        missing+=("CUPS filter directory (/usr/lib/cups or /usr/libexec/cups)")
    elif [ ! -x "$SERVERBIN/filter/pdftopdf" ]; then
        missing+=("pdftopdf filter in $SERVERBIN/filter (package cups-filters)")
    fi
    find_program pdftoppm >/dev/null || missing+=("pdftoppm (package poppler-utils)")
    if [ ${#missing[@]} -gt 0 ]; then
        local list=${missing[0]} item
        for item in "${missing[@]:1}"; do
            list+=", $item"
        done
        echo "private CUPS not available, missing: $list" >&2
        exit 77
    fi
}

write_config() {
    local user=lp group=lp
    if [ "$(id -u)" = 0 ]; then
        getent passwd lp >/dev/null || user=nobody
        getent group lp >/dev/null || group=nogroup
    fi

    cat >"$DIR/cups-files.conf" <<EOF
ServerRoot $DIR/conf
ServerBin $SERVERBIN
RequestRoot $DIR/spool
TempDir $DIR/spool/tmp
CacheDir $DIR/cache
StateDir $DIR/run
Printcap $DIR/run/printcap
AccessLog $DIR/log/access_log
ErrorLog $ERRORLOG
PageLog $DIR/log/page_log
LogFileGroup $group
SystemGroup root
User $user
Group $group
FileDevice Yes
Sandboxing Relaxed
EOF

    cat >"$DIR/cupsd.conf" <<EOF
LogLevel debug
MaxLogSize 0
Listen $SOCKET
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
DefaultPolicy default
EOF

    # A colour PDF printer with A4 (default) and Letter paper and quarter-inch
    # margins. The PDF from pdftopdf is written unchanged to the device.
    cat >"$DIR/$QUEUE.ppd" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TESSALY.PPD"
*Manufacturer: "Tessaly"
*Product: "(Tessaly Test Printer)"
*ModelName: "Tessaly Test Printer"
*ShortNickName: "Tessaly Test Printer"
*NickName: "Tessaly Test Printer, PDF to file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsManualCopies: True
*cupsFilter: "application/vnd.cups-pdf 0 -"

*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize

*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageRegion Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion

*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*ImageableArea Letter/US Letter: "18 18 594 774"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/US Letter: "612 792"
EOF

    # libcups reads client.conf and lpoptions from CUPS_SERVERROOT; a client
    # pointing there sees no system-wide default printer or options.
    echo "ServerName $SOCKET" >"$DIR/client/client.conf"
    cat >"$DIR/client.env" <<EOF
CUPS_SERVER=$SOCKET
CUPS_SERVERROOT=$DIR/client
HOME=$DIR/home
EOF
}

start_watchdog() {
    local pid=$1
    (
        sleeper=
        trap '[ -n "$sleeper" ] && kill "$sleeper" 2>/dev/null; exit 0' TERM
        end=$((SECONDS + LIFETIME))
        while [ "$SECONDS" -lt "$end" ] && [ -e "$DIR/cupsd.conf" ] &&
            is_our_cupsd "$pid"; do
            sleep 2 &
            sleeper=$!
            wait "$sleeper"
        done
        if is_our_cupsd "$pid"; then
            kill -TERM "$pid"
        fi
    ) </dev/null >/dev/null 2>&1 &
    echo $! >"$WATCHFILE"
}

stop_watchdog() {
    local pid cmdline
    [ -f "$WATCHFILE" ] || return 0
    pid=$(cat "$WATCHFILE" 2>/dev/null)
    rm -f "$WATCHFILE"
    [[ $pid =~ ^[0-9]+$ ]] || return 0
    cmdline=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) || return 0
    if [[ $cmdline == *private_cups* ]]; then
        kill -TERM "$pid" 2>/dev/null
    fi
    return 0
}

# Stops the scheduler with PID: TERM, then KILL when it has not gone after
# ten seconds. Returns non-zero if it is still there.
terminate() {
    local pid=$1 i
    kill -TERM "$pid" 2>/dev/null
    kill -CONT "$pid" 2>/dev/null # a frozen scheduler acts on TERM only once thawed
    for ((i = 0; i < 100; i++)); do
        is_our_cupsd "$pid" || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    for ((i = 0; i < 50; i++)); do
        is_our_cupsd "$pid" || return 0
        sleep 0.1
    done
    return 1
}

# Gives up on a half-started scheduler: stops it and exits with a message.
abort_start() {
    echo "private_cups: $*" >&2
    log_errors
    stop_watchdog
    local pid
    if pid=$(running_pid); then
        terminate "$pid"
    fi
    rm -f "$PIDFILE"
    exit 1
}

cmd_start() {
    set_dir "${1:-}"
    check_installed

    if running_pid >/dev/null; then
        die "a private cupsd is already running for $DIR"
    fi
    # The paths go unquoted into the configuration and the device URI.
    if [[ $DIR =~ [^A-Za-z0-9._/+-] ]]; then
        die "unsupported characters in the path $DIR"
    fi
    # sun_path holds 108 bytes including the terminating zero.
    if [ ${#SOCKET} -gt 100 ]; then
        die "socket path too long for a Unix socket (${#SOCKET} bytes): $SOCKET"
    fi

    mkdir -p "$DIR/conf" "$DIR/spool/tmp" "$DIR/cache" "$DIR/run" \
        "$DIR/log" "$DIR/out" "$DIR/client" "$DIR/home" ||
        die "cannot create the folders under $DIR"
    rm -f "$SOCKET" "$OUTFILE" "$PIDFILE" "$WATCHFILE"
    # Filters run as the unprivileged user lp and must be able to reach the
    # spool and the queue's PPD inside DIR.
    if [ "$(id -u)" = 0 ]; then
        chmod 0711 "$DIR" || die "cannot make $DIR searchable"
    fi

    write_config

    local check
    if ! check=$("$CUPSD" -t -c "$DIR/cupsd.conf" -s "$DIR/cups-files.conf" 2>&1); then
        die "cupsd rejects the configuration: $(echo "$check" | tr '\n' ' ')"
    fi

    "$CUPSD" -f -c "$DIR/cupsd.conf" -s "$DIR/cups-files.conf" \
        </dev/null >"$DIR/log/cupsd.out" 2>&1 &
    local pid=$!
    echo "$pid" >"$PIDFILE"
    start_watchdog "$pid"

    local i ready=
    for ((i = 0; i < START_TIMEOUT * 10; i++)); do
        if ! is_our_cupsd "$pid"; then
            abort_start "cupsd exited during startup"
        fi
        if [ -S "$SOCKET" ] &&
            client "$LPSTAT" -h "$SOCKET" -r 2>/dev/null | grep -qx 'scheduler is running'; then
            ready=1
            break
        fi
        sleep 0.1
    done
    [ -n "$ready" ] || abort_start "cupsd did not answer within $START_TIMEOUT s"

    local out
    if ! out=$(client "$LPADMIN" -h "$SOCKET" -p "$QUEUE" -E \
        -v "file://$OUTFILE" -P "$DIR/$QUEUE.ppd" \
        -D "Tessaly test printer" -L "$DIR/out" 2>&1); then
        abort_start "cannot add queue $QUEUE: $out"
    fi
    if ! out=$(client "$LPADMIN" -h "$SOCKET" -d "$QUEUE" 2>&1); then
        abort_start "cannot make $QUEUE the default destination: $out"
    fi
    out=$(client "$LPSTAT" -h "$SOCKET" -d 2>&1)
    if [ "$out" != "system default destination: $QUEUE" ]; then
        abort_start "unexpected default destination: $out"
    fi

    echo "CUPS_SERVER=$SOCKET"
}

cmd_stop() {
    set_dir "${1:-}"
    stop_watchdog
    local pid
    if pid=$(running_pid); then
        terminate "$pid" || die "cupsd $pid did not exit"
    fi
    rm -f "$PIDFILE"
    return 0
}

now_ms() {
    if [ -n "${EPOCHREALTIME:-}" ]; then
        local t=${EPOCHREALTIME/[.,]/}
        echo $((t / 1000))
    else
        date +%s%3N
    fi
}

# Job states that will not end by themselves: a failing filter stops the job
# (job-completed-with-errors), a held job waits for someone to release it.
readonly STUCK_REASONS='job-completed-with-errors|job-stopped|job-hold|held-for'

cmd_wait_job() {
    set_dir "${1:-}"
    local timeout=${2:-}
    [[ $timeout =~ ^[0-9]+$ ]] || usage

    local end=$(($(now_ms) + timeout * 1000)) active status
    while :; do
        running_pid >/dev/null || die "no private cupsd is running for $DIR"
        status=$(client "$LPSTAT" -h "$SOCKET" -p "$QUEUE" 2>&1)
        if [[ $status == *disabled* ]]; then
            echo "private_cups: queue $QUEUE stopped: $(tr '\n' ' ' <<<"$status")" >&2
            log_errors
            exit 1
        fi
        if active=$(client "$LPSTAT" -h "$SOCKET" -l -W not-completed -o "$QUEUE" 2>&1); then
            if [ -z "$active" ] && [ -s "$OUTFILE" ]; then
                echo "$OUTFILE"
                return 0
            fi
            if grep -qE "Alerts:.*($STUCK_REASONS)" <<<"$active"; then
                echo "private_cups: a job cannot finish: $(tr '\n' ' ' <<<"$active")" >&2
                log_errors
                exit 1
            fi
        fi
        if [ "$(now_ms)" -ge "$end" ]; then
            echo "private_cups: no finished job output after $timeout s" \
                "(unfinished jobs: $(tr '\n' ' ' <<<"${active:-none}"))" >&2
            log_errors
            exit 1
        fi
        sleep 0.2
    done
}

cmd_env() {
    set_dir "${1:-}"
    [ -f "$DIR/client.env" ] || die "no private CUPS was started in $DIR"
    cat "$DIR/client.env"
}

# Runs cupsreject, cupsaccept, cupsdisable or cupsenable on the queue: reject
# makes it refuse new jobs, as a printer an administrator has closed; disable
# stops it, as a paused printer whose jobs wait until it is enabled again.
cmd_queue() {
    local verb=$1
    set_dir "${2:-}"
    running_pid >/dev/null || die "no private cupsd is running for $DIR"
    local tool
    tool=$(find_program "cups$verb") || die "cups$verb is not installed"
    client "$tool" -h "$SOCKET" "$QUEUE" || die "cups$verb failed"
}

# Freezes (STOP) or thaws (CONT) the scheduler: a frozen scheduler's socket
# still takes connections, but no request is ever answered.
cmd_signal() {
    local signal=$1 pid
    set_dir "${2:-}"
    pid=$(running_pid) || die "no private cupsd is running for $DIR"
    kill "-$signal" "$pid" || die "cannot send $signal to cupsd $pid"
}

cmd_jobs() {
    set_dir "${1:-}"
    running_pid >/dev/null || die "no private cupsd is running for $DIR"
    local jobs
    jobs=$(client "$LPSTAT" -h "$SOCKET" -W not-completed -o "$QUEUE") || die "lpstat failed"
    grep -c . <<<"$jobs" || true
}

cmd_remove() {
    set_dir "${1:-}"
    running_pid >/dev/null || die "no private cupsd is running for $DIR"
    LPADMIN=$(find_program lpadmin) || die "lpadmin is not installed"
    client "$LPADMIN" -h "$SOCKET" -x "$QUEUE" || die "cannot delete queue $QUEUE"
}

case "${1:-}" in
start) cmd_start "${2:-}" ;;
reject) cmd_queue reject "${2:-}" ;;
accept) cmd_queue accept "${2:-}" ;;
disable) cmd_queue disable "${2:-}" ;;
enable) cmd_queue enable "${2:-}" ;;
pause) cmd_signal STOP "${2:-}" ;;
resume) cmd_signal CONT "${2:-}" ;;
jobs) cmd_jobs "${2:-}" ;;
remove) cmd_remove "${2:-}" ;;
stop) cmd_stop "${2:-}" ;;
wait-job) cmd_wait_job "${2:-}" "${3:-}" ;;
env) cmd_env "${2:-}" ;;
*) usage ;;
esac
