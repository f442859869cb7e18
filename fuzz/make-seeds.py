#!/usr/bin/env python3
"""Writes the hand-made seed inputs of fuzz/corpus/. Crash inputs that
libFuzzer saves there (crash-*, timeout-*, slow-unit-*, oom-*, leak-*) are kept as they
are; run this only to renew the seeds. The raster skins are drawn with
ImageMagick's convert; everything else is written byte by byte here."""
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CLASSIC = [1, 21, 0, 3, 20, 23, 31, 32, 40, 43]


def put(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def record(name, positions):
    raw = name if isinstance(name, bytes) else name.encode("cp1252")
    raw = raw[:10].ljust(10, b" ")
    return raw + struct.pack("<10h", *positions)


def level_seeds():
    levels = [record("Easy", [1, 21, 0, 3, 20, 23, 31, 32, 40, 43])]
    # Piece 0 already on its goal, singles along the top.
    levels.append(record("Won", [31, 11, 10, 13, 30, 33, 0, 1, 2, 3]))
    # Every piece slid somewhere else, names with code-page bytes.
    levels.append(record(b"Caf\xe9 \x80\xff", [0, 20, 2, 3, 30, 33, 22, 23, 31, 41]))
    levels.append(record("ExactlyTen", [11, 0, 10, 13, 30, 33, 2, 3, 31, 32]))
    for k in range(len(levels), 70):
        levels.append(record("Level %d" % (k + 1), CLASSIC))
    table = b"".join(levels)
    assert len(table) == 2100
    put("levelfile", "valid-collection.zhn", table)
    put("levelfile", "short-collection.zhn", table[:45])
    put("levelfile", "empty.zhn", b"")

    # Pieces the editor left off the board (value 0), pieces with no
    # place (negative, column 7, square in column 3, row 5) and a record
    # that was never assigned.
    odd = [record("Offboard", [0, 0, 0, 0, 0, 0, 0, 0, 0, 0]),
           record("Negative", [-1, 21, 0, 3, 20, 23, 31, 32, 40, 43]),
           record("Column 7", [1, 21, 0, 3, 20, 23, 31, 32, 40, 47]),
           record("Square 3", [3, 21, 0, 1, 20, 23, 31, 32, 40, 43]),
           record("Row 5", [1, 21, 0, 3, 20, 23, 31, 32, 40, 50]),
           record("Extremes", [32767, -32768, 0, 3, 20, 23, 31, 32, 40, 43]),
           b"\0" * 10 + b"\0" * 20]
    table = b"".join(odd)
    table += table[:30] * (70 - len(odd))
    put("levelfile", "odd-positions.zhn", table)

    # Bytes after the table drive the first level's board: slide tests,
    # unmark and mark far off the board, piece numbers out of range.
    def cmd(op, piece, a, b, c):
        return struct.pack("<Bb3h", op, piece, a, b, c)
    script = (cmd(0, 1, 1, 0, 2) + cmd(1, 6, 3, 0, 1) + cmd(2, 0, 1, 0, 0)
              + cmd(3, 0, 1, 3, 0) + cmd(0, 0, -32768, 32767, 0)
              + cmd(1, -3, 0, 4, 2) + cmd(3, 12, 5, 5, 0) + cmd(3, 9, -4, 9, 0)
              + cmd(4, 2, 0, -1, 0) + cmd(5, 0, 0, 0, 0))
    put("levelfile", "collection-with-tail.zhn", record("Easy", CLASSIC) * 70 + script)


def saved_seeds():
    cross = struct.pack("<ih", 12, 4) + b"Cross     " + struct.pack("<10h", *CLASSIC)
    assert len(cross) == 36
    put("savedgame", "cross.sav", cross)
    put("savedgame", "cross-with-tail.sav", cross + b"x" * 14)
    put("savedgame", "short.sav", cross[:35])
    put("savedgame", "empty.sav", b"")
    put("savedgame", "level-70.sav", struct.pack("<ih", 0, 70) + cross[6:])
    put("savedgame", "negative-steps-high-name.sav",
        struct.pack("<ih", -1, 69) + b"\x80\x81\xff\x00 \t\"*?." + struct.pack("<10h", *CLASSIC))
    put("savedgame", "misplaced.sav",
        struct.pack("<ih", 5, 0) + b"Square 3  " + struct.pack("<10h", 3, 21, 0, 1, 20, 23, 31, 32, 40, 43))
    put("savedgame", "overlapping.sav",
        struct.pack("<ih", 5, 0) + b"Offboard  " + struct.pack("<10h", *([0] * 10)))
    # A random level (level 0x7FFF) named by its code, and one mistyped.
    put("savedgame", "random.sav", struct.pack("<ih", 3, 0x7FFF) + b"GGXT-4AN  " + struct.pack("<10h", *CLASSIC))
    put("savedgame", "random-mistyped.sav",
        struct.pack("<ih", 3, 0x7FFF) + b"GGXT-4AM  " + struct.pack("<10h", *CLASSIC))


def settings_seeds():
    seeds = {
        "default.ini": b"default.bmp\r\n",
        "quoted-comma.ini": b"  \"my,skin.bmp\" , rest\r\n",
        "unclosed-quote.ini": b"\"open.bmp\r\nnext\r\n",
        "comma.ini": b"wood.jpg,second\r\n",
        "blanks.ini": b" \t wood skin.gif \t\r\n",
        "two-lines.ini": b"one.emf\ntwo.wmf\n",
        "code-page.ini": b"caf\xe9 \x80.dib\r\n",
        "empty.ini": b"",
        "blank-line.ini": b"   \r\nx.bmp\r\n",
    }
    for name, data in seeds.items():
        put("settings", name, data)


def solver_seeds():
    def positions(values):
        return struct.pack("<10h", *values)
    put("solver", "classic.pos", positions(CLASSIC))
    put("solver", "solved.pos", positions([31, 11, 10, 13, 30, 33, 0, 1, 2, 3]))
    put("solver", "one-step.pos", positions([21, 1, 0, 3, 20, 23, 11, 12, 40, 43]))
    put("solver", "mirrored.pos", positions([1, 21, 3, 0, 23, 20, 32, 31, 43, 40]))
    put("solver", "overlap.pos", positions([0] * 10))
    put("solver", "misplaced.pos", positions([3, 21, 0, 1, 20, 23, 31, 32, 40, 43]))
    put("solver", "short.pos", positions(CLASSIC)[:7])


# A skin-like picture: a board colour with the piece rectangles on it.
SKIN_DRAWING = ["-fill", "#c33", "-draw", "rectangle 20,20 139,139",
                "-fill", "#36c", "-draw", "rectangle 20,140 139,199",
                "-fill", "#3a3", "-draw", "rectangle 20,200 259,319",
                "-fill", "#cc3", "-draw", "rectangle 200,140 259,199",
                "-fill", "#333", "-draw", "rectangle 0,340 369,379"]


def convert(args, name):
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "out")
        subprocess.run(["convert"] + args + [name.split(":")[0] + ":" + out], check=True)
        with open(out, "rb") as f:
            return f.read()


def skin(fmt, size="370x380", extra=()):
    return convert(["-size", size, "xc:#864"] + SKIN_DRAWING + list(extra), fmt)


def wmf(width, height, rectangles):
    def record(function, *words):
        return struct.pack("<IH", 3 + len(words), function) + struct.pack("<%dh" % len(words), *words)
    records = record(0x020B, 0, 0) + record(0x020C, height, width)
    for index, (colour, (left, top, right, bottom)) in enumerate(rectangles):
        r, g, b = colour
        brush = struct.pack("<IHHBBBBH", 7, 0x02FC, 0, r, g, b, 0, 0)
        records += brush + record(0x012D, index) + record(0x041B, bottom, right, top, left)
    records += record(0x0000)
    body_words = (18 + len(records)) // 2
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, body_words, len(rectangles), 7, 0)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, width, height, 96, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable):
        checksum ^= word
    return placeable + struct.pack("<H", checksum) + header + records


def emf(width, height, rectangles):
    records = b""
    for index, (colour, box) in enumerate(rectangles, start=1):
        r, g, b = colour
        records += struct.pack("<IIIIBBBBI", 39, 24, index, 0, r, g, b, 0, 0)
        records += struct.pack("<III", 37, 12, index)
        records += struct.pack("<II4i", 43, 24, *box)
    records += struct.pack("<IIIII", 14, 20, 0, 16, 20)
    header_size = 108
    total = header_size + len(records)
    frame = (0, 0, round(width * 2540 / 96), round(height * 2540 / 96))
    header = struct.pack("<II4i4iIIIIHHIIIiiiiIIIii",
                         1, header_size, 0, 0, width - 1, height - 1, *frame,
                         0x464D4520, 0x10000, total, 2 + 3 * len(rectangles),
                         len(rectangles) + 1, 0, 0, 0, 0,
                         1920, 1080, 508, 286, 0, 0, 0, 508000, 286000)
    assert len(header) == header_size
    return header + records


def rle_bmp(width, height, bits, stream):
    palette = b"".join(struct.pack("<BBBB", 40 * i % 256, 90 * i % 256, 200 - 10 * i, 0) for i in range(16))
    compression = 1 if bits == 8 else 2
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(stream), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(stream), 0, 0, offset) + info + palette + stream


def skin_seeds():
    # Run-length bitmaps written by hand: one that writes every pixel, and
    # ones that skip pixels (a delta, a line or the bitmap ended early).
    put("skin", "tiny-rle4.bmp", rle_bmp(5, 2, 4, bytes.fromhex("0512 0000 0005 12345000 0001")))
    put("skin", "tiny-rle8-delta.bmp", rle_bmp(4, 2, 8, bytes.fromhex("0401 0000 0201 0002 0100 0000 0001")))
    put("skin", "tiny-rle8-short-line.bmp", rle_bmp(4, 2, 8, bytes.fromhex("0201 0000 0403 0001")))
    put("skin", "tiny-rle8-early-end.bmp", rle_bmp(4, 2, 8, bytes.fromhex("0402 0001")))
    put("skin", "skin-rle8.bmp", skin("BMP3", extra=["-type", "Palette", "-colors", "16", "-compress", "RLE"]))
    put("skin", "skin.gif", skin("GIF"))
    put("skin", "skin.jpg", skin("JPEG", extra=["-quality", "30"]))
    put("skin", "tiny-progressive.jpg", skin("JPEG", "16x16", ["-interlace", "JPEG"]))
    put("skin", "tiny-truecolour.bmp", skin("BMP3", "6x5", ["-type", "TrueColor"]))
    put("skin", "tiny-bitfields.bmp", skin("BMP", "4x4", ["-type", "TrueColorAlpha"]))
    tiny_palette = skin("BMP3", "8x8", ["-type", "Palette", "-colors", "4", "-compress", "None"])
    put("skin", "tiny-palette.bmp", tiny_palette)
    put("skin", "tiny.dib", tiny_palette[14:])
    put("skin", "skin-rle8.dib", skin("BMP3", extra=["-type", "Palette", "-colors", "16", "-compress", "RLE"])[14:])
    put("skin", "tiny-two-frames.gif",
        convert(["-size", "5x5", "xc:red", "-size", "5x5", "xc:blue"], "GIF"))
    pieces = [((200, 50, 50), (20, 20, 139, 139)), ((50, 50, 200), (20, 140, 139, 199)),
              ((50, 160, 50), (20, 200, 259, 319))]
    put("skin", "skin.wmf", wmf(370, 380, pieces))
    put("skin", "tiny.wmf", wmf(4, 3, [((0, 0, 0), (0, 0, 2, 2))]))
    put("skin", "skin.emf", emf(370, 380, pieces))
    put("skin", "tiny.emf", emf(3, 4, [((255, 255, 0), (0, 0, 2, 2))]))
    put("skin", "empty.bmp", b"")
    put("skin", "cut-short.jpg", skin("JPEG", "16x16")[:100])


def progress_seeds():
    header = b"# Quillmere progress: level, fewest steps, start position of the level\n"
    classic = " ".join(str(v) for v in CLASSIC).encode()
    put("progress", "empty.txt", b"")
    put("progress", "one-level.txt", header + b"1 95 " + classic + b"\n")
    put("progress", "below-fewest.txt", header + b"1 0 " + classic + b"\n2 17 " + classic + b"\n")
    put("progress", "random.txt", header + b"# Random levels: level code, fewest steps\n"
        b"random GGXT-4AN 92\nrandom V4N3-36E 90\nrandom ggxt4an 91\nrandom GGXT-4AM 95\n")
    put("progress", "broken-lines.txt", b"1 95\r\n70 -3 " + classic + b"\nrandom\n\x00\xff 1 2\n"
        b"71 95 " + classic + b"\n1 99999999999 " + classic + b"\n")


def levelcode_seeds():
    for name, text in [("classic", "GGXT-4AN"), ("classic-swapped", "V4N3-36E"), ("lower-spaced", "ggxt 4an"),
                       ("mistyped", "GGXT-4AM"), ("solved", "6U3D-8UN"), ("unsolvable", "PNYW-D9B"),
                       ("short", "GGXT"), ("foreign", "GGXT-4A\u00c9"), ("empty", "")]:
        put("levelcode", name + ".txt", text.encode("utf-8"))


SEEDS = {"levelfile": level_seeds, "savedgame": saved_seeds, "settings": settings_seeds,
         "solver": solver_seeds, "skin": skin_seeds, "progress": progress_seeds,
         "levelcode": levelcode_seeds}

if __name__ == "__main__":
    for target in sys.argv[1:] or SEEDS:
        SEEDS[target]()
