#!/usr/bin/env python3
"""The reference of bench_archive_process: one process that reads each zip
archive's one member with zlib (Python's zipfile, CRC checked) and writes the
base rom, the menu script and the roms one after the other to an image.

    unzip_roms.py IMAGE BASE_ROM MENU_SCRIPT ARCHIVE...
"""
import shutil
import sys
import zipfile


def main(image, base_rom, menu_script, *archives):
    with open(image, "wb") as out:
        for path in (base_rom, menu_script):
            with open(path, "rb") as part:
                shutil.copyfileobj(part, out)
        for path in archives:
            with zipfile.ZipFile(path) as archive:
                out.write(archive.read(archive.infolist()[0]))


if __name__ == "__main__":
    main(*sys.argv[1:])
