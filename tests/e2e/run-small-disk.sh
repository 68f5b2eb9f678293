#!/usr/bin/env bash
# The small-disk scenario: run-scenario.sh with a 3 MiB file system of its own
# as the prefix's drive D:. Where the machine refuses the mount (not root, or
# a container without the right to mount), it says why and is skipped.
# usage: as run-scenario.sh
set -euo pipefail
template=$(realpath -m "$5")
mkdir -p "$(dirname "$template")"
disk=$(mktemp -d "$(dirname "$template")/small-disk.XXXXXX")
if ! refusal=$(mount -t tmpfs -o size=3m tmpfs "$disk" 2>&1); then
    rmdir "$disk"
    echo "skipped: a 3 MiB tmpfs cannot be mounted here: ${refusal:-mount failed}"
    exit 77
fi
release() {
    umount "$disk" 2>/dev/null || umount -l "$disk" 2>/dev/null || true
    rmdir "$disk" 2>/dev/null || true
}
trap release EXIT
E2E_DRIVE_D=$disk bash "$(dirname "$0")/run-scenario.sh" "$@"
