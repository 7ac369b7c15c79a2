"""Pictures made for the tests, without any image library."""
import struct
import subprocess
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


def write_photo_jpeg(path, width, height):
    """A baseline JPEG as large as a phone's largest photos: bands of colour
    streamed row by row into cjpeg (libjpeg-turbo-progs), so that neither
    this script nor the encoder holds the picture in memory."""
    encoder = subprocess.Popen(["cjpeg", "-quality", "80", "-outfile", path], stdin=subprocess.PIPE)
    encoder.stdin.write(b"P6\n%d %d\n255\n" % (width, height))
    colours = [bytes((40 + 30 * i, 90, 200 - 25 * i)) for i in range(6)]
    for band in range(6):
        row = colours[band] * width
        for _ in range(height // 6 + (1 if band < height % 6 else 0)):
            encoder.stdin.write(row)
    encoder.stdin.close()
    if encoder.wait() != 0:
        raise RuntimeError("cjpeg failed")


def pad_sparse(path, extra):
    """Appends extra bytes of nothing after the end of a file, sparse on disk."""
    with open(path, "r+b") as f:
        f.seek(0, 2)
        f.truncate(f.tell() + extra)
