"""Pictures made for the tests, without any image library."""
import struct
import zlib


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def write_bomb_png(path, side):
    """A valid black-and-white PNG of side x side pixels, all zero. One bit a
    pixel and deflate keep it small on disk (about 110 KB for 30000 x 30000),
    while decoding it would take side * side bytes or more."""
    row = b"\0" * (1 + (side + 7) // 8)  # the filter byte and the pixels
    packer = zlib.compressobj(9)
    parts = [packer.compress(row * 256) for _ in range(side // 256)]
    parts.append(packer.compress(row * (side % 256)))
    parts.append(packer.flush())
    header = struct.pack(">IIBBBBB", side, side, 1, 0, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header) + _chunk(b"IDAT", b"".join(parts)) +
                _chunk(b"IEND", b""))
