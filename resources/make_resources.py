#!/usr/bin/env python3
"""Makes zorn's bitmaps, icons and sounds, and the native build's table of them.

    make_resources.py OUTPUT_FOLDER

writes into OUTPUT_FOLDER
    bitmap0.bmp ... bitmap14.bmp    BITMAP0 ... BITMAP14 of zorn.rc
    icon0.ico ... icon7.ico, vora.ico
    wave0.wav ... wave2.wav         resources of type 100
    program_resources_data.cpp      RegisterProgramResources() for the native build
    contact_sheet.png               every picture on one sheet, for looking at

Everything is drawn and synthesised here; the same bytes come out on every run.
Python 3 standard library only.
"""

import os
import struct
import sys

sys.dont_write_bytecode = True      # keep the source folder free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from artwork import formats, icons, pictures, sheet, sounds  # noqa: E402

BITMAP_TYPE, ICON_TYPE, ICON_GROUP_TYPE, SOUND_TYPE = 2, 3, 14, 100


def file_name(resource, extension):
    return resource.lower() + extension


def icon_group(ico_bytes, first_id):
    """Splits an ICO file the way the resource compiler does: one image
    resource per picture and a group directory naming them by number."""
    _, _, count = struct.unpack_from('<HHH', ico_bytes, 0)
    directory = struct.pack('<HHH', 0, 1, count)
    images = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, offset = struct.unpack_from('<BBBBHHII', ico_bytes,
                                                                          6 + 16 * i)
        directory += struct.pack('<BBBBHHIH', w, h, colours, 0, planes, bits, size, first_id + i)
        images.append((first_id + i, ico_bytes[offset:offset + size]))
    return directory, images


CPP_HEAD = """\
// Made by resources/make_resources.py at build time; not to be edited.
// The same bytes that FindResource gives for these names on Windows.
#include <cstddef>
#include <cstdint>

#include "platform/resources.h"
#include "resources/program_resources.h"

namespace zorn {
namespace {
"""

CPP_REGISTER = """
void Add(const char* name, int type, const char* data, size_t size) {
  platform::RegisterEmbeddedResource(name, type, reinterpret_cast<const uint8_t*>(data), size);
}

}  // namespace

void RegisterProgramResources() {"""


def cpp_table(entries):
    """The native build's registration function; entries are (name, type, bytes).
    The bytes go into string literals of octal escapes, which compilers read
    far faster than lists of numbers and which no character set changes."""
    out = [CPP_HEAD]
    for index, (name, _, data) in enumerate(entries):
        assert data, name
        out.append(f'// {name}, {len(data)} bytes')
        out.append(f'const char kData{index}[] =')
        for pos in range(0, len(data), 32):
            out.append('    "' + ''.join(f'\\{b:03o}' for b in data[pos:pos + 32]) + '"')
        out[-1] += ';'
    out.append(CPP_REGISTER)
    for index, (name, kind, _) in enumerate(entries):
        out.append(f'  Add("{name}", {kind}, kData{index}, sizeof kData{index} - 1);')
    out += ['}', '', '}  // namespace zorn', '']
    return '\n'.join(out)


def build():
    """File name -> bytes of everything the script makes."""
    files = {}
    table = []
    bitmaps = pictures.bitmaps()
    for name, canvas in bitmaps.items():
        data = formats.bmp(canvas.rgba8())
        files[file_name(name, '.bmp')] = data
        table.append((name, BITMAP_TYPE, data[14:]))      # a bitmap resource has no file header
    icon_sets = icons.icons()
    next_id = 1
    for name, canvases in icon_sets.items():
        data = formats.ico([c.rgba8() for c in canvases])
        files[file_name(name, '.ico')] = data
        directory, images = icon_group(data, next_id)
        next_id += len(images)
        table.append((name, ICON_GROUP_TYPE, directory))
        table += [(f'#{number}', ICON_TYPE, image) for number, image in images]
    for name, samples in sounds.sounds().items():
        data = formats.wave(samples, sounds.RATE)
        files[file_name(name, '.wav')] = data
        table.append((name, SOUND_TYPE, data))
    files['program_resources_data.cpp'] = cpp_table(table).encode('ascii')
    files['contact_sheet.png'] = formats.png(sheet.contact_sheet(
        {n: c.rgba8() for n, c in bitmaps.items()},
        {n: [c.rgba8() for c in cs] for n, cs in icon_sets.items()}))
    return files


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    folder = argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, data in build().items():
        path = os.path.join(folder, name)
        with open(path + '.tmp', 'wb') as f:
            f.write(data)
        os.replace(path + '.tmp', path)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
