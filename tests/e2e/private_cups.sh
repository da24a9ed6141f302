#!/usr/bin/env bash
# Runs a command with a private CUPS server whose default printer keeps every job as a file,
# so printing can be tested for real without touching the machine's own printers.
#   private_cups.sh COMMAND [ARGS...]   (the jobs land in $PRINTED_JOBS as job-N.pdf, the options
#                                       each was sent with in job-N.options)
# Exits 77 (skipped) where no CUPS scheduler can be started.
set -euo pipefail

cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
if [ ! -x "$cupsd" ] || [ "$(id -u)" -ne 0 ] || [ ! -x /usr/lib/cups/daemon/cups-exec ]; then
  echo "no CUPS scheduler to start here (needs root and the cups-daemon package): skipped"
  exit 77
fi

# shellcheck source=SCRIPTDIR/../lib/scaffold.sh
. "$(dirname "$0")/../lib/scaffold.sh"
chmod 755 "$work"
mkdir -p "$work"/{spool,cache,state,log,tmp,jobs,bin/backend}
chmod 777 "$work/jobs"
ln -s /usr/lib/cups/daemon "$work/bin/daemon"
cat >"$work/bin/backend/keepfile" <<'SH'
#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct keepfile "Unknown" "Keep jobs as files"'; exit 0; fi
out="${DEVICE_URI#keepfile:}"
if [ -n "$6" ]; then cat "$6"; else cat; fi > "$out/job-$1.pdf.part"
printf '%s\n' "$5" > "$out/job-$1.options"
mv "$out/job-$1.pdf.part" "$out/job-$1.pdf"
SH
chmod 700 "$work/bin/backend/keepfile"
cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work
ServerBin $work/bin
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
SystemGroup root
CONF

background "$work/cupsd.log" "$cupsd" -f -c "$work/cupsd.conf" -s "$work/cups-files.conf"
export CUPS_SERVER="$work/cups.sock"
scheduler_answers() { [ -S "$CUPS_SERVER" ] && lpstat -r; }
wait_for "the CUPS scheduler on $CUPS_SERVER" 10 scheduler_answers
lpadmin -p Tessaly -E -v "keepfile:$work/jobs" -m raw 2>/dev/null
lpadmin -d Tessaly
export PRINTED_JOBS="$work/jobs"
"$@"
