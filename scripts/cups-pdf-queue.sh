#!/usr/bin/env bash
# Starts a CUPS server with a queue "PDF" that writes each job as a PDF file into $1, for the
# printing test. Prints the PID of the cupsd it started ("" when one was already running).
set -euo pipefail
OUT=$1
mkdir -p "$OUT"
PID=""
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  /usr/sbin/cupsd -f >/dev/null 2>&1 &
  PID=$!
  for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.1; done
fi
# Copies must reach the PDF as pages; text must stay extractable.
sed 's/^\*cupsManualCopies:.*$//' /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd > /tmp/soranowa-ci-pdf.ppd
echo '*cupsManualCopies: True' >> /tmp/soranowa-ci-pdf.ppd
printf 'Out %s\nAnonDirName %s\n' "$OUT" "$OUT" > /etc/cups/cups-pdf-ci.conf
lpadmin -p PDF -v cups-pdf:/ci -E -P /tmp/soranowa-ci-pdf.ppd \
  -o pdftops-renderer-default=pdftocairo -o TitlePref-default=1 2>/dev/null
lpstat -p PDF >/dev/null
echo "$PID"
