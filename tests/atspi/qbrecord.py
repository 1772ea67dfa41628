"""User.dat as tests write it: the 868-byte record of a new player, field offsets, the checksum.

    record = default_record()                 # a bytearray, as the game writes it first
    put_ints(record, LEVEL, 28)               # any 32-bit field or run of fields
    put_text(record, NAME, b"\\x00\\x07")       # a 150-character text field, space-padded
    put_checksum(record)                      # as a tool that knows the checksum would
"""

import struct

# Offsets of the record's fields in the file.
LANGUAGE_FILE, MUSIC_FILE, PORT, TEMP_IP = 12, 164, 172, 326
CHECKSUM, CREDITS, HIGHSCORE, LEVEL, LOSSES, WINS, TEMP_CREDITS = range(476, 504, 4)
CARDS, NAME, ONLINE_ID, PASSWORD = 504, 596, 748, 752
SIDEDECK, CAMPAIGN_SIDEDECK, SAVE_MODE = 784, 824, 864
TEXT_WIDTH = 150


def text_field(text, width=TEXT_WIDTH):
    data = text if isinstance(text, bytes) else text.encode("cp1252")
    return data[:width].ljust(width, b" ")


def default_record():
    """User.dat of a new player, as the game writes it on its first start."""
    cards = [1] * 10 + [0] * 13
    deck = [-1] + [0] * 9
    return bytearray(b"".join([
        struct.pack("<3i", 1, 8, 2), text_field("English.ini"), b"\0\0",
        struct.pack("<3i", 1, 0, 333), text_field("localhost:8787"), text_field("127.0.0.1"),
        struct.pack("<7i", -73, 100, 25, 1, 0, 0, 0), struct.pack("<23i", *cards),
        text_field("Player"), b"\0\0", struct.pack("<i", 0), b" " * 32,
        struct.pack("<10i", *deck), struct.pack("<10i", *deck), struct.pack("<i", 1)]))


def put_ints(record, offset, *values):
    struct.pack_into("<%di" % len(values), record, offset, *values)


def put_text(record, offset, text):
    record[offset:offset + TEXT_WIDTH] = text_field(text)


def _wrap(value):
    return (value + 2 ** 31) % 2 ** 32 - 2 ** 31


def checksum(record):
    """XOR over the campaign values, with wrapping 32-bit arithmetic."""
    def at(offset):
        return struct.unpack_from("<i", record, offset)[0]

    c = 0
    for kind in range(23):
        c ^= _wrap(at(CARDS + 4 * kind) + kind)
    c ^= at(LEVEL)
    for offset, minus in ((HIGHSCORE, 3), (WINS, 7), (CREDITS, 11), (LOSSES, 15),
                          (TEMP_CREDITS, 20)):
        c ^= _wrap(at(offset) - minus)
    return c


def put_checksum(record):
    put_ints(record, CHECKSUM, checksum(record))


def write(path, record):
    with open(path, "wb") as f:
        f.write(bytes(record))
