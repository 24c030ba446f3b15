"""key_first_pfx.py IN OUT: writes the PKCS#12 file IN (password in TARVIC_SIGN_PASSWORD, SHA-1
MAC, as `openssl pkcs12 -export -legacy` makes it) with its two safe contents swapped, so that the
key comes before the encrypted certificates, as Windows writes it, and the MAC computed again."""
import hashlib, hmac, os, sys


def items(der):  # the TLVs of a DER body, each as (whole, value)
    out, i = [], 0
    while i < len(der):
        size, start = der[i + 1], i + 2
        if size & 0x80:
            start += size & 0x7F
            size = int.from_bytes(der[i + 2:start], "big")
        out.append((der[i:start + size], der[start:start + size]))
        i = start + size
    return out


def tlv(tag, value):
    n, width = len(value), (len(value).bit_length() + 7) // 8
    return bytes([tag]) + (bytes([n]) if n < 128 else bytes([0x80 | width]) + n.to_bytes(width, "big")) + value


def mac_key(password, salt, rounds):  # RFC 7292 appendix B, ID 3: one SHA-1 block is the key
    fill = lambda b: (b * (64 // len(b) + 2))[:64 * -(-len(b) // 64)]
    digest = bytes([3]) * 64 + fill(salt) + fill(password.encode("utf-16-be") + b"\0\0")
    for _ in range(rounds):
        digest = hashlib.sha1(digest).digest()
    return digest


[(_, pfx)] = items(open(sys.argv[1], "rb").read())
(version, _), (_, content), (_, mac) = items(pfx)
(oid, _), (_, explicit) = items(content)
[(_, safes)] = items(explicit)
[(_, safes)] = items(safes)
safes = tlv(0x30, b"".join(whole for whole, _ in reversed(items(safes))))
(_, digest_info), (salt, salt_value), (rounds, rounds_value) = items(mac)
algorithm = items(digest_info)[0][0]
key = mac_key(os.environ["TARVIC_SIGN_PASSWORD"], salt_value, int.from_bytes(rounds_value, "big"))
digest = tlv(0x30, algorithm + tlv(0x04, hmac.new(key, safes, hashlib.sha1).digest()))
content = tlv(0x30, oid + tlv(0xA0, tlv(0x04, safes)))
open(sys.argv[2], "wb").write(tlv(0x30, version + content + tlv(0x30, digest + salt + rounds)))
