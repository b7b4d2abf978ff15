#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets from the sample data and from lines that the
tests use. Run from anywhere; it rewrites fuzz/corpus/."""
import hashlib
import pathlib
import shutil
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"

TEST_LINES = [
    b"Loss,1943,5,6,7,8,9,10,11,12,13,14,15,16,",
    b"Loss,1943,5,6,7,8,9,10,11,12,13,14,15,16",
    b"Total,1942,100,,110 120;130,-,150,160,170,180,190,200,210,",
    b"Model 7,1944,12,15,0,0,0,0,0,0,0,0,0,4,",
    b"Total,1941,1,2,3,4, ",
    b";Total,1941,1,2,3,4,5,6,",
    b"Total,1941,         ",
    b"T-60,1942,1,2,3,4,5,6,7,8,9,10,11,12,13,14,",
    b"T-34,1942,1e3,+5,6,          ",
    b"T-34,1942.7,12.9,-0.5,-3.9,7.,.5,.,-.,",
    b"T-34,1942,1-2,--1,1..2,1.2.3,-,5,",
    b"T-34,1942,99999999999,-99999999999,2147483647,-2147483648,2147483648,",
    b"ABCDEFGHIJKLMNOPQRSTUVWXYZ,1941,1,",
    b"Total 1941 1 2 3 4 5 6 7",
    b",1941,1,2,3,4,5,6,7,8,",
    b"T\n34,1943,1,2,3,4,5,6,",
    b"Vehicle type 12,1943,12345678,-123456789,123456789012345678,1.5,",
    b"Lend Lease,1946,1,2,3,4,5,6,7,8,9,10,11,12,",
]


# Spreadsheet exports for the converter: each delimiter and line end, quoting, grouping marks, and
# rows it must refuse.
CSV_SEEDS = [
    b"Name,Year,Jan,Feb,Mar\n"
    b'T-34,1942,"1,250",1 300,12.0\n"KV ""1""",1941,,,-3\n'
    b'"T\n34",1946,1.250,12.5,x\n',
    b"\xef\xbb\xbfName;Year;Jan;Feb\r\nT-34;1942;1.250,00;1\xc2\xa0300\r\n;;;\r\nX;1941;2147483648\r\n",
    b"T-34\t1942\t1'250\t\t\t\t\t\t\t\t\t\t\t7\t8\rA\t1941\r",
    b'"open,1941,1\nB,"1941"x,2\n',
]


def data_lines(name):
    return [line for line in (ROOT / "data" / name).read_bytes().split(b"\r\n") if line]


def write(target, content):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / hashlib.sha1(content).hexdigest()).write_bytes(content)


def load_input(total, tank, flags=3, selectors=(0, 0, 11, 4), stock=None):
    header = bytes([flags]) + struct.pack("<4b", *selectors) + struct.pack("<H", len(total))
    if stock is None:
        return header + total + tank
    # Flag bit 3: "StockData.txt" is the end of the input, its length in the last two bytes.
    header = bytes([flags | 8]) + header[1:]
    return header + total + tank + stock + struct.pack("<H", len(stock))


STOCK = (
    b"Name,Year,Month,Count,\r\n; source: strength return\r\nT-34,1941,6,900,\r\n"
    b"T-34,1943,1,5000,\r\n;SOURCE : none\r\n; source:\r\nKV-1,1941,1,40,\r\nT-34,1943,1,12.5,\r\n"
    b"T-43,1942,13,-5,\r\nKV-1,1940,2,3,4,\r\n"
)


def stock_seeds(total, tank):
    sourced = b"; source: factory reports\r\n".join(tank.split(b"\r\n", 2)[:2] + [b""])
    return [
        load_input(total, tank, stock=STOCK),
        load_input(total, sourced + tank, flags=3, stock=STOCK[:40]),
        load_input(b"", tank, flags=2, stock=b"h\nT-34,1941,1,1,\nKV-1,1945,12,7\x1a"),
    ]


def main():
    shutil.rmtree(CORPUS, ignore_errors=True)
    for line in data_lines("TotalData.txt") + data_lines("TankData.txt") + TEST_LINES:
        write("parse_line", line)

    total = (ROOT / "data" / "TotalData.txt").read_bytes()
    tank = (ROOT / "data" / "TankData.txt").read_bytes()
    header = b"Name,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,\r\n"
    tests = header + b"\r\n".join(TEST_LINES) + b"\r\n"
    many = header + b"".join(b"V%d,1942,1,2,3,\r\n" % n for n in range(205))
    write("load_files", load_input(total, tank))
    write("load_files", load_input(total, tank, flags=7, selectors=(0, 2, 2, 2)))
    write("load_files", load_input(b"", tank, flags=2, selectors=(-1, 0, 11, -1)))
    write("load_files", load_input(tests, tests))
    write("load_files", load_input(b"h\r\none\x1atwo\r\n", many))
    write("load_files", load_input(b"h\none\ntwo\n", b"h\rT-34,1941,1,2,3,4,5,\r"))
    for seed in stock_seeds(total, tank):
        write("load_files", seed)

    for seed in CSV_SEEDS + [total, tank, tests, many]:
        write("import_csv", seed)

    picture = ROOT / "app" / "resources" / "Chart1BackImage.block"
    if picture.exists():
        block = picture.read_bytes()
        write("picture_block", block)
        write("picture_block", block[: len(block) // 2])
        write("picture_block", block[:11] + struct.pack("<I", 0xFFFFFFFF) + block[15:])


if __name__ == "__main__":
    main()
