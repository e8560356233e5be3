#!/usr/bin/env bash
# Registers the virtual audio-CD drive in a Wine prefix (run as the Wine user
# with WINEPREFIX set): winmm's driver for cdaudio, and the disc it plays.
#   vcd/setup-prefix.sh WINEPREFIX
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
disc_dir="$prefix/drive_c/filetools"
mkdir -p "$disc_dir"
cp "$here/default-disc.txt" "$disc_dir/virtual-cd.txt"
# By name alone, the platform finds the driver beside the program that opens
# the device, whichever build folder that lies in.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\MCI' /v cdaudio /t REG_SZ \
  /d filetools_vcd.dll /f /reg:32 >/dev/null
wine reg add 'HKLM\Software\Filetools\VirtualCD' /v DiscFile /t REG_SZ \
  /d 'C:\filetools\virtual-cd.txt' /f /reg:32 >/dev/null
