#!/bin/sh
# Answers (by its exit status) whether this machine runs 32-bit x86 programs,
# as Wine's 32-bit half needs: a kernel can be built or booted without them
# ("32-bit emulation disabled"). Tried on the smallest such program, written
# here: an i386 ELF header, one loadable segment and the code of exit(0).
set -eu
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
{
    # ELF header: 32-bit, little-endian, executable for i386, entry 0x08048054
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'
    printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'
    printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000'
    # program header: the whole file, read and execute, at 0x08048000
    printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010'
    printf '\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000'
    # mov eax, 1; xor ebx, ebx; int 0x80
    printf '\270\001\000\000\000\061\333\315\200'
} >"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
