#!/usr/bin/env python3
"""Writes a file of deterministic pseudo-random bytes for the benchmarks.

Command line:
    generate_file.py --size BYTES --seed N PATH

The same size and seed always give the same content. The file's MD5 goes to
PATH.md5 (32 lowercase hexadecimal digits), written last, so that a present
.md5 file means a complete data file.
"""

import argparse
import hashlib
import os
import random

CHUNK = 1 << 20


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--size", type=int, required=True)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("path")
    args = parser.parse_args()

    generator = random.Random(args.seed)
    digest = hashlib.md5()
    temporary = args.path + ".tmp"
    with open(temporary, "wb") as out:
        remaining = args.size
        while remaining > 0:
            chunk = generator.randbytes(min(CHUNK, remaining))
            out.write(chunk)
            digest.update(chunk)
            remaining -= len(chunk)
    os.replace(temporary, args.path)
    with open(args.path + ".md5", "w") as md5_file:
        md5_file.write(digest.hexdigest())


if __name__ == "__main__":
    main()
