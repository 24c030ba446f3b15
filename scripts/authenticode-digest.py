#!/usr/bin/env python3
"""authenticode-digest.py PROGRAM: prints the SHA-256 Authenticode digest of a Windows program.

It is the digest a signature signs and that AppLocker and App Control hash rules match: the hash
of the file less its checksum field, its certificate-table directory entry and the certificate
table itself. A signed copy and the unsigned program it came from therefore share it.
"""
import hashlib
import struct
import sys


def authenticode_digest(data: bytes) -> str:
    if data[:2] != b"MZ":
        raise ValueError("not a Windows program (no MZ header)")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a Windows program (no PE header)")
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    if magic not in (0x10B, 0x20B):
        raise ValueError(f"unknown optional header magic {magic:#x}")
    checksum = optional + 64
    # The data directories follow the fields, which PE32+ widens by 16 bytes; the certificate
    # table is the fifth (index 4) and names a file offset, not an address.
    directories = optional + (96 if magic == 0x10B else 112)
    count = struct.unpack_from("<I", data, directories - 4)[0]
    entry = directories + 4 * 8
    table_offset, table_size = struct.unpack_from("<II", data, entry) if count > 4 else (0, 0)

    digest = hashlib.sha256()
    digest.update(data[:checksum])
    digest.update(data[checksum + 4:entry])
    end = table_offset if table_size else len(data)
    digest.update(data[entry + 8:end])
    if table_size:
        digest.update(data[table_offset + table_size:])
    else:
        # A signer pads an unsigned file to 8 bytes before it appends the table, and hashes the
        # padding; so does Windows when it hashes the unsigned file.
        digest.update(bytes(-len(data) % 8))
    return digest.hexdigest()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__.splitlines()[0])
    try:
        with open(sys.argv[1], "rb") as program:
            print(authenticode_digest(program.read()))
    except (OSError, ValueError, struct.error) as error:
        sys.exit(f"authenticode-digest.py: {sys.argv[1]}: {error}")
