"""Writes a zip archive whose bytes depend on the files' contents alone.

    reproducible_zip.py ARCHIVE BASE FOLDER

packs BASE/FOLDER and everything under it, stored under the name FOLDER/...,
in sorted order, each entry with the same time stamp (1 January 2000), the
same mode and the same "made by" system (MS-DOS), so two runs over the same
files give the same archive.
"""
import os
import sys
import zipfile

STAMP = (2000, 1, 1, 0, 0, 0)


def entries(base, folder):
    for dirpath, dirnames, filenames in os.walk(os.path.join(base, folder)):
        dirnames.sort()
        rel = os.path.relpath(dirpath, base).replace(os.sep, "/")
        yield rel + "/", None
        for name in sorted(filenames):
            yield rel + "/" + name, os.path.join(dirpath, name)


def main(archive, base, folder):
    tmp = archive + ".tmp"
    with zipfile.ZipFile(tmp, "w") as z:
        for name, path in sorted(entries(base, folder)):
            info = zipfile.ZipInfo(name, STAMP)
            info.create_system = 0
            if path is None:
                info.external_attr = 0x10  # MS-DOS directory
                z.writestr(info, b"")
            else:
                info.compress_type = zipfile.ZIP_DEFLATED
                info.external_attr = 0x20  # MS-DOS archive bit
                with open(path, "rb") as f:
                    z.writestr(info, f.read(), compresslevel=9)
    os.replace(tmp, archive)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
