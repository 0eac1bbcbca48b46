#!/bin/sh
# Installs the Debian packages the program needs to build, run and test; skips what is already there.
set -eu
# libcups2-dev: printing on a named printer submits the job through libcups.
# cups and printer-driver-cups-pdf: one test prints through a CUPS server of its own to a PDF queue.
# cups-ipp-utils, dbus-daemon: a test prints on its own driverless printer (ippeveprinter needs a D-Bus bus).
# locales: a test compiles a locale of its own, to print a PDF on that locale's paper.
PACKAGES="cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
libcups2-dev fonts-liberation2 python3-aiosmtpd xvfb xauth poppler-utils cups printer-driver-cups-pdf \
cups-ipp-utils dbus-daemon locales"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
fi
