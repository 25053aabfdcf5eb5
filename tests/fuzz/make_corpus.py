#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into tests/fuzz/corpus/.

    tests/fuzz/make_corpus.py RADIO.MEM

RADIO.MEM is the memory of a radio as delivered (the file kr318-sim creates
with --memory). The seeds are inputs a fuzzer would take long to find: whole
data files, whole clean transfers, typical edits. Inputs the fuzzer found
later (and reproducers of faults) are added beside them by hand.
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
BLOCK = 128
BLOCKS = 61


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(bytes(data))


def marked(data):
    """Bytes as the driver receives them with PARMRK: FF doubled."""
    out = bytearray()
    for b in data:
        out.append(b)
        if b == 0xFF:
            out.append(0xFF)
    return out


def after_write(reply=b"", control=0):
    """What the link fuzz target reads after one write of the PC."""
    out = bytearray([control])
    n = len(reply)
    if n >= 255:
        out += bytes([255, n - 255])
    else:
        out.append(n)
    return out + reply


def frame(command, length, data):
    body = bytes([command, length]) + bytes(data)
    return body + bytes([sum(body) & 0xFF])


def upload_stream(image):
    """Every request answered: the probe of block 0, then the 61 blocks."""
    out = bytearray()
    for block in [0] + list(range(BLOCKS)):
        data = image[block * BLOCK:(block + 1) * BLOCK]
        out += after_write() * 3 + after_write(marked(frame(0xF2, 0x81, data)))
    return out


def write_stream(count):
    """`count` block writes, each acknowledged."""
    return (after_write() * 3 + after_write(b"\x06")) * count


def main():
    image = bytearray(open(sys.argv[1], "rb").read())
    assert len(image) == 7808
    trailer = struct.pack("<d", 0.0)
    five = struct.pack("<d", 5.0)

    # data files: whole files, a short one, a long one, an empty one
    write("data_file", "delivered.K07", image[:7807] + trailer)
    write("data_file", "offset5.K07", image[:7807] + five)
    old = bytearray(image)
    old[0:2] = b"\x03\x00"
    write("data_file", "firmware300.K07", old[:7807] + trailer)
    write("data_file", "short.K07", image[:7000])
    write("data_file", "long.K07", image[:7807] + trailer + b"\0")
    write("data_file", "empty.K07", b"")
    write("data_file", "zeros.K07", bytes(7815))

    # blocks: a first byte (b7: over the default image, else over zeros; the
    # rest modulo 19: the block, 17 the channel table, 18 the rebuild), then bytes
    for part in range(19):
        write("blocks", "delivered%02d" % part, bytes([part]) + image)
        write("blocks", "defaults%02d" % part, bytes([0x80 | part]))
    write("blocks", "ones", b"\x11" + b"\xff" * 7808)
    write("blocks", "pattern", b"\x12" + bytes([0xA5, 0x5A]) * 3904)

    # link: mode byte (0 upload, 1 download, 2 download of changes, 3 radio side)
    write("link", "upload", b"\x00" + upload_stream(image))
    write("link", "upload19200", b"\x04" + upload_stream(image))
    write("link", "download", b"\x01" + upload_stream(image) + write_stream(1))
    write("link", "download_changes", b"\x02" + write_stream(BLOCKS))
    # a radio that must be switched off and on: silent probe, then wake-up
    wake = after_write() * 4 + after_write() + after_write(b"\x55")
    write("link", "wake_up", b"\x00" + after_write() * 3 + after_write(b"\x55") + wake)
    write("link", "radio_side", b"\x03\x00\x04\xf2\x02\x00\xf4\x10\x02\x20\x21")

    # parmrk: operations (0 bytes arrive, 1 fetch size, 2 read, 3 errors, 4 purge)
    write("parmrk", "marks", b"\x00\x00\x0a\xff\xff\x00\xff\x00\x00\xff\x00\x41\x02\x00\x10\x00\x64\x03")
    write("parmrk", "reads", b"\x01\x00\x03" + b"\x00\x00\x20" + bytes(range(32)) + b"\x02\x00\x05\x00\x10\x00\x64" * 4)

    # profile: port, speed, items, window, devices
    write("profile", "usual", struct.pack(">ii", 1, 0) + b"\x00" * 18 + struct.pack(">iiii", 835, 540, 1920, 1080) +
          struct.pack(">i", 3) + b"\x0c/dev/ttyUSB0")
    write("profile", "odd", struct.pack(">ii", 17, 5) + b"\x01\xff\xff\xff\xfb" * 18 + struct.pack(">iiii", -1, 2000000000, 0, 0))

    # channel cells: flags, overlays, offset, context, items, then operations
    head = b"\x01\x00" + b"\x00\x32" + b"\x01\x01\x00" + b"\x01" * 10 + b"\x01" * 18
    ops = b""
    ops += b"\x00\x00\x00\x00\x04\x09" + b"450.12500"      # receive frequency of channel 1
    ops += b"\x00\x00\x00\x00\x05\x09" + b"455.00000"      # transmit frequency
    ops += b"\x00\x00\x01\x00\x03\x08" + b"ABC()+-="       # tag
    ops += b"\x05\x00\x00\x00\x06\x43\x05" + b" 88.5"      # C on the decoder, then 88.5
    ops += b"\x05\x00\x02\x00\x07\x44\x03" + b"023"        # D on the encoder of channel 3
    ops += b"\x01\x00\x04\x00\x00\x01" + b"1"              # paste channel 1 onto channel 5
    ops += b"\x02\x00\x00\x00\x10"                          # Space on the signaling type
    ops += b"\x03\x00\x00\x00\x0f\x00\x05"                  # squelch list, entry 5
    write("channel_cells", "edits", head + ops)

    # report: flags (b0: over the default image), file name, date, offset, image
    def text(t):
        return bytes([len(t)]) + t
    write("report", "delivered", b"\x00" + text(b"/data/CB.K07") + text(b"7/4/2025") +
          struct.pack("<d", 0.75) + image)
    write("report", "five_tone", b"\x01" + text(b"x(1)\\.K07") + text(b"12/31/2026") +
          struct.pack("<d", float("nan")))

    # csv: a first byte (b0: a written row read back), then the file's text
    grid = ("Chn,Pri,W/N,TAG,Frequency Receive,Frequency Transmit,SUB AUDIO Dec,SUB AUDIO Enc,"
            "Pwr Save RX,Pwr Save TX,Pwr H/L,Scan Op,Scan Gr,Scan Pri,TOT,SQ,Signaling Type,"
            "Signaling No.,DTMF ANI,ENCR,Lock out,QLNK,CMPD,Xtal,In use,Group\r\n")
    grid_rows = ("1,-,W,CB CH-01,476.42500,477.17500,-------,-------,1,0,H,1,1,1,0,4,--,--,0,1,--,0,0,0,1,CB\r\n"
                 "2,P,N,\" TAG ()\",476.45000,477.20000,C-67.0,D-023N,1,0,L,1,0,1,0,4,--,--,0,1,BC,0,0,0,1,CB\r\n"
                 "90,-,W,CH-013,150.00000,150.00000,D-754I,D-754B,0,1,H,0,0,0,1,15,--,--,1,3,BT,1,1,1,1,Grp 1\r\n")
    write("csv", "grid", b"\x00" + (grid + grid_rows).encode())
    write("csv", "grid_bom", b"\x00\xef\xbb\xbf" + (grid + grid_rows.replace(",", ";", 3)).encode())
    generic = ("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
               "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
               "1,CB CH-01,476.425000,+,0.750000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
               "7,LONG NAME HERE,446.006250,split,446.100000,DTCS,88.5,88.5,754,RN,023,,NFM,6.25,S,Low,x,,,,\r\n")
    write("csv", "generic", b"\x00" + generic.encode())
    write("csv", "unreadable", b"\x00Chn,TAG\r\n1,\"A\"B\r\n")
    write("csv", "row", b"\x01\x03\x02a,\x03\"b\"\x00")


if __name__ == "__main__":
    main()
