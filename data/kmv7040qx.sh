#!/bin/sh
# Starts the device manager in its program folder, where it finds its shared modules, the SNMPv3
# configuration tool, the message catalogues and the switches' device configuration files.
# Without switches (as from the desktop menu) it takes those in ~/.config/kmv7040qx/switches,
# one a line; blank lines and lines starting with '#' are skipped.
here=$(dirname "$(readlink -f "$0")")
folder="$here/../lib/kmv7040qx/quorvane_ems"
if [ $# -eq 0 ]; then
    conf="${XDG_CONFIG_HOME:-$HOME/.config}/kmv7040qx/switches"
    if [ -r "$conf" ]; then
        while IFS= read -r line || [ -n "$line" ]; do
            case "$line" in ''|'#'*) continue ;; esac
            set -- "$@" "$line"
        done < "$conf"
    fi
fi
cd "$folder" || exit 1
exec ./kmv7040qx "$@"
