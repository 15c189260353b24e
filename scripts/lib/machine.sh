# What this machine can run.
# shellcheck shell=bash

# Some kernels have no IA-32 emulation: no 32-bit program starts there, so
# neither does 32-bit Wine. The tests then run a 64-bit build of the same
# sources under 64-bit Wine; the shipped installer stays 32-bit.
machine_runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}
