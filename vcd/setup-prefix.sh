#!/usr/bin/env bash
# Registers the virtual audio-CD drive in a Wine prefix (run as the Wine user
# with WINEPREFIX set, and WINE naming the loader when it is not "wine"):
# winmm's driver for cdaudio, and the disc it plays.
#   vcd/setup-prefix.sh WINEPREFIX
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
disc_dir="$prefix/drive_c/filetools"
mkdir -p "$disc_dir"
cp "$here/default-disc.txt" "$disc_dir/virtual-cd.txt"
wine=${WINE:-wine}
# By name alone, the platform finds the driver beside the program that opens
# the device, whichever build folder that lies in. 32-bit programs read the
# 32-bit view of the registry, 64-bit programs the 64-bit one.
for view in 32 64; do
  "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\MCI' /v cdaudio /t REG_SZ \
    /d filetools_vcd.dll /f /reg:$view >/dev/null
  "$wine" reg add 'HKLM\Software\Filetools\VirtualCD' /v DiscFile /t REG_SZ \
    /d 'C:\filetools\virtual-cd.txt' /f /reg:$view >/dev/null
done
