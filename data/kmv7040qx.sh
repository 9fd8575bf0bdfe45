#!/bin/sh
# Starts the device manager from its program folder. It runs in a working folder of the user's
# own (~/.local/state/kmv7040qx), where the engine keeps its boot counter and where the
# device manager finds the SNMPv3 configuration tool (a link to the program folder's).
# Without switches (as from the desktop menu) it takes those in ~/.config/kmv7040qx/switches,
# one a line; blank lines and lines starting with '#' are skipped.
here=$(dirname "$(readlink -f "$0")")
folder=$(readlink -f "$here/../lib/kmv7040qx/quorvane_ems")
if [ $# -eq 0 ]; then
    conf="${XDG_CONFIG_HOME:-${HOME:-/nonexistent}/.config}/kmv7040qx/switches"
    if [ -r "$conf" ]; then
        while IFS= read -r line || [ -n "$line" ]; do
            case "$line" in ''|'#'*) continue ;; esac
            set -- "$@" "$line"
        done < "$conf"
    fi
fi
work="${XDG_STATE_HOME:-${HOME:-/tmp}/.local/state}/kmv7040qx"
mkdir -p "$work" || exit 1
ln -sfn "$folder/SNMPV3Cfg.EXE" "$work/SNMPV3Cfg.EXE"
cd "$work" || exit 1
exec "$folder/kmv7040qx" "$@"
