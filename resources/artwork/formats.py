"""Writers of the file formats the program carries: BMP, ICO and WAVE, and PNG
for the contact sheet. Every writer returns the complete file as bytes."""

import struct
import zlib


def _info_header(width, height, bits, image_size, colours=0):
    # BITMAPINFOHEADER: 40 bytes, uncompressed, 72 dpi, `colours` palette entries.
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size,
                       2835, 2835, colours, 0)


def bmp24(rows):
    """24-bit BMP file of opaque rows of (r, g, b[, a]) bytes, top row first."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):                      # BMP rows go bottom-up
        line = bytearray()
        for p in row:
            line += bytes((p[2], p[1], p[0]))
        pixels += line + bytes(stride - len(line))
    offset = 14 + 40
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return file_header + _info_header(width, height, 24, len(pixels)) + bytes(pixels)


def bmp8(rows):
    """8-bit BMP file with a palette of exactly the picture's colours, sorted,
    for opaque rows of (r, g, b[, a]) bytes, top row first; None when the
    picture has more than 256 colours. The same pixels as bmp24, in about a
    third of the bytes for a large picture."""
    colours = sorted({tuple(p[:3]) for row in rows for p in row})
    if len(colours) > 256:
        return None
    index = {c: i for i, c in enumerate(colours)}
    height, width = len(rows), len(rows[0])
    stride = (width + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):                      # BMP rows go bottom-up
        line = bytes(index[tuple(p[:3])] for p in row)
        pixels += line + bytes(stride - len(line))
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in colours)
    offset = 14 + 40 + len(palette)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return (file_header + _info_header(width, height, 8, len(pixels), len(colours)) +
            palette + bytes(pixels))


def bmp(rows):
    """The smaller of the 24-bit and the 8-bit file of the picture."""
    full = bmp24(rows)
    paletted = bmp8(rows)
    return paletted if paletted is not None and len(paletted) < len(full) else full


def _icon_image(rows):
    """One icon image: header with doubled height, BGRA bottom-up, AND mask.

    The mask marks the fully transparent pixels, whose colour is black, so
    that a renderer without alpha shows the screen there and the picture
    everywhere else."""
    size = len(rows)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = _info_header(size, size * 2, 32, len(colour) + len(mask))
    return header + bytes(colour) + bytes(mask)


def ico(images):
    """ICO file of square images (rows of (r, g, b, a) bytes), smallest first."""
    blobs = [_icon_image(rows) for rows in images]
    out = struct.pack('<HHH', 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def wave(samples, rate):
    """PCM WAVE file, 16-bit mono, of integer samples."""
    data = b''.join(struct.pack('<h', s) for s in samples)
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate * 2, 2, 16)
    body = (b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt +
            b'data' + struct.pack('<I', len(data)) + data)
    return b'RIFF' + struct.pack('<I', len(body)) + body


def png(rows):
    """RGBA PNG of rows of (r, g, b, a) bytes, top row first."""
    raw = bytearray()
    for row in rows:
        raw.append(0)                               # filter: none
        for p in row:
            raw += bytes(p)

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))
