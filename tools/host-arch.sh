#!/usr/bin/env bash
# Prints the Windows architecture whose programs Wine can run on this machine:
# i686 where the kernel runs 32-bit code, x86_64 where 32-bit emulation is off
# (some virtual machines boot with it disabled, and then wine32 cannot start).
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo i686
else
    echo x86_64
fi
