#!/usr/bin/env python3
"""Writes the setup package's assets: 1.5 MiB of deterministic bytes that
do not compress, so that the package is larger than the 1 MiB the
single-connection downloader requires."""
import random
import sys

with open(sys.argv[1], "wb") as out:
    out.write(random.Random(269).randbytes(1536 * 1024))
