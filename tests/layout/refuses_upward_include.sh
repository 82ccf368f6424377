#!/usr/bin/env bash
# Configures copies of the source tree, each with one include that breaks the
# layers, and expects the configuration to stop at that file and line.
set -euo pipefail
src="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

expect_refused() { # file, include line, expected message part
    local tree="$work/tree-$RANDOM"
    mkdir -p "$tree"
    tar -C "$src" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$tree" -xf -
    sed -i "2i $2" "$tree/$1"
    if cmake -S "$tree" -B "$tree/build" > "$work/out" 2>&1; then
        echo "configuration accepted $1 including $2" >&2
        exit 1
    fi
    # CMake folds long messages: compare with the lines joined.
    if ! tr '\n' ' ' < "$work/out" | tr -s ' ' | grep -qF "$1:2: $3"; then
        echo "expected '$1:2: $3' in:" >&2
        cat "$work/out" >&2
        exit 1
    fi
}

expect_refused ledger/LineList.h '#include "document/Fiche.h"' "ledger/ includes from document/, a layer above it"
expect_refused platform/Messages.h '#include "ledger/LineList.h"' "platform/ includes from ledger/, a layer above it"
expect_refused entry/EntryLine.cpp '#include "reports/ViewPages.h"' "entry/ includes from reports/, a subsystem of its own layer"
expect_refused vat/VatReturn.cpp '#include "entry/EntryLine.h"' "vat/ includes from entry/, a subsystem of its own layer"
expect_refused ledger/ui/MonthKeys.cpp '#include "entry/ui/EntryPage.h"' "ledger/ includes from entry/, a layer above it"
expect_refused ledger/FileIO.cpp '#include <fcntl.h>' "ledger/ includes a system header, which only platform/ may use"
expect_refused cli/Dossier.cpp '#include <sys/stat.h>' "cli/ includes a system header, which only platform/ may use"
expect_refused bank/ui/TRapprochement.cpp '#  include <unistd.h>' "bank/ includes a system header, which only platform/ may use"
echo "every upward or sideways include, and every system header outside platform/, was refused"
