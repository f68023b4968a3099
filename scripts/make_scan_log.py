#!/usr/bin/env python3
"""Writes a log-like file for timing the scanner (scripts/bench_scan.sh), the
same bytes on every run: timestamps, key=value fields with numbers of 1 to
12 digits, order numbers of 20 to 25 digits on a quarter of the lines,
Chinese words, and an identity number about every 10 KB (a quarter after
id_no=, a quarter after 身份证号：, a quarter printed in groups).

  scripts/make_scan_log.py MEGABYTES FILE
"""

import random
import sys

WEIGHTS = (7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2)


def number(draw):
    stem = draw.choice(("110105", "310104", "440305", "510107", "650102", "330106")) + \
        f"{draw.randint(1950, 2009):04d}{draw.randint(1, 12):02d}{draw.randint(1, 28):02d}{draw.randint(0, 998):03d}"
    return stem + "10X98765432"[sum(int(c) * w for c, w in zip(stem, WEIGHTS)) % 11]


def line(draw):
    digits = lambda count: "".join(draw.choice("0123456789") for _ in range(count))  # noqa: E731
    text = (f"2024-{draw.randint(1, 12):02d}-{draw.randint(1, 28):02d}T{draw.randint(0, 23):02d}:"
            f"{draw.randint(0, 59):02d}:{draw.randint(0, 59):02d}.{draw.randint(0, 999):03d}Z "
            f"{draw.choice(('INFO', 'WARN', 'DEBUG', 'ERROR'))} svc={draw.choice(('order-api', 'payment', 'gateway'))}")
    for _ in range(draw.randint(3, 7)):
        text += draw.choice((" pid=", " user=", " amount=", " latency_ms=", " code=", " qty=")) + \
            digits(draw.randint(1, 12))
    if draw.random() < 0.25:
        text += " order=" + digits(draw.randint(20, 25))
    return text + ' msg="' + draw.choice(("用户登录成功", "订单已创建", "支付超时", "查询完成", "ok", "retry")) + '"'


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    size = int(sys.argv[1]) << 20
    draw = random.Random(2025)
    pool = [line(draw).encode() for _ in range(20000)]
    written, next_number = 0, 10000
    with open(sys.argv[2], "wb") as out:
        while written < size:
            chunk = []
            for _ in range(1000):
                data = draw.choice(pool)
                if written >= next_number:
                    found = number(draw)
                    form = draw.randrange(4)
                    data += (b" id_no=" + found.encode() if form == 0 else
                             " 身份证号：".encode() + found.encode() if form == 1 else
                             f" contact {found[:6]} {found[6:14]} {found[14:]}".encode() if form == 2 else
                             b" ref=" + found.encode())
                    next_number += 10000
                chunk.append(data)
                written += len(data) + 1
            out.write(b"\n".join(chunk) + b"\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
