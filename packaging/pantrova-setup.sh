#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# Lives in the Pantrova program folder and acts on the folder it is in, wherever that was moved or unpacked:
#   register    adds Pantrova to the user's application menu (desktop entry and icon under XDG_DATA_HOME)
#   unregister  takes it out again
#   uninstall   unregisters and deletes the program's files, keeping the user's data (Pantrova.dat and copies)
set -euo pipefail

dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)
# As the XDG base directory rules say, a relative XDG_DATA_HOME counts as unset.
data_home=${XDG_DATA_HOME:-}
[[ $data_home == /* ]] || data_home="$HOME/.local/share"
entry="$data_home/applications/pantrova.desktop"
icon="$data_home/icons/hicolor/scalable/apps/pantrova.svg"

# What the install put here, and the page the program writes here when printing. Nothing else is deleted.
program_files=(pantrova libvarnetocx.so "Pantrova Template.htm" "Pantrova Template.de.htm" pantrova.desktop
    pantrova.svg pantrova-setup.sh Pantrova.htm)

# A path as one Exec argument: quoted, with ", `, $ and \ escaped inside the quotes, % doubled, and then every
# backslash doubled once more because Exec is also a string value, whose escapes are undone first.
exec_argument() {
    local s=$1
    s=${s//\\/\\\\}
    s=${s//\"/\\\"}
    s=${s//\`/\\\`}
    s=${s//\$/\\\$}
    s="\"${s//%/%%}\""
    printf '%s' "${s//\\/\\\\}"
}

register() {
    if [[ $dir == *[[:cntrl:]]* ]]; then
        echo "pantrova-setup.sh: the folder name '$dir' holds control characters a desktop entry cannot name" >&2
        exit 1
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    local line
    while IFS= read -r line || [ -n "$line" ]; do
        case $line in
            Exec=*) line="Exec=$(exec_argument "$dir/pantrova")" ;;
            TryExec=*) line="TryExec=${dir//\\/\\\\}/pantrova" ;;
        esac
        printf '%s\n' "$line"
    done <"$dir/pantrova.desktop" >"$work/pantrova.desktop"
    if command -v desktop-file-validate >/dev/null 2>&1; then
        desktop-file-validate "$work/pantrova.desktop"
    fi
    install -D -m 644 "$dir/pantrova.svg" "$icon"
    install -D -m 644 "$work/pantrova.desktop" "$entry"
    echo "Registered Pantrova in the application menu: $entry"
}

unregister() {
    rm -f "$entry" "$icon"
    echo "Removed Pantrova from the application menu."
}

uninstall() {
    unregister
    local f
    for f in "${program_files[@]}"; do
        rm -f "$dir/$f"
    done
    if rmdir "$dir" 2>/dev/null; then
        echo "Removed $dir."
    else
        echo "Removed the program from $dir and kept what else is there (your data):"
        ls -A "$dir"
    fi
}

case "${1:-}" in
    register | unregister | uninstall) "$1" ;;
    *)
        echo "usage: pantrova-setup.sh register|unregister|uninstall" >&2
        exit 2
        ;;
esac
