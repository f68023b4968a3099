#!/usr/bin/env python3
"""Writes the scanner's labelled set, the same bytes on every run: a text of
Chinese and English lines with identity numbers planted in every form (at
line starts and ends, next to Chinese text and punctuation, a third of them
after a keyword), and look-alikes that must not be taken for them, with a
label for every planted span.

  scripts/make_scan_corpus.py OUT_DIR [--lines N] [--seed S]

writes OUT_DIR/scan_corpus.txt (UTF-8) and OUT_DIR/scan_labels.jsonl, one
JSON object a line for each planted span:
  {"offset": bytes, "length": bytes, "label": "number" or "lookalike",
   "type": ..., "keyword": bool, "number": the 18 characters (numbers only)}
Numbers' types are their forms (plain, lowercase_x, fullwidth, mixed_width,
separated_space, separated_hyphen, separated_ideographic, separated_fullwidth_hyphen,
fifteen_digits); look-alikes' are mobile (11 digits), bank_card (16-19
digits passing Luhn), order (20-25 digits), waybill (a letter prefix and 12
digits), timestamp (17 digits, yyyyMMddHHmmssSSS), one_digit_changed (a
planted number with one digit other than the check changed: the check then
always fails), embedded (a valid number inside a longer run of digits or
letters), overlapping (two numbers run together), digits_18 (18 random
digits, as order numbers of that length are).

scripts/score_scan.py scores the scanner against these labels.
"""

import argparse
import json
import random
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
WEIGHTS = (7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2)
KEYWORDS = ("身份证号：", "身份证号码 ", "公民身份号码：", "证件号码=", "居民身份证 ", "ID card: ", "id_no=", "sfzh:")
WORDS = ("客户", "申请人", "联系人", "已登记", "订单", "物流", "备注", "地址：北京市朝阳区", "电话", "审核通过",
         "customer", "status=ok", "note", "请核对", "原件", "复印件")
SENTENCES = ("本次业务由客户本人到柜台办理，材料齐全，已完成核验并归档。",
             "The parcel left the sorting centre at 14:32 and will arrive within two working days.",
             "系统于夜间自动对账，差异记录已推送至运营人员处理。",
             "Please keep the receipt; refunds are processed within 7 days of the request.",
             "会议纪要：下周一上午十点在三楼会议室讨论第四季度预算。")
FORMS = ("plain", "lowercase_x", "fullwidth", "mixed_width", "separated_space", "separated_hyphen",
         "separated_ideographic", "separated_fullwidth_hyphen", "fifteen_digits")


def check_character(stem):
    return "10X98765432"[sum(int(c) * w for c, w in zip(stem, WEIGHTS)) % 11]


def wide(text):
    return "".join(chr(0xFF01 + ord(c) - 0x21) for c in text)


def regions():
    codes = []
    with open(ROOT / "data" / "regions-2009.tsv", encoding="utf-8") as table:
        for line in table:
            code = line.split("\t")[1]
            if not code.endswith("00"):
                codes.append(code)
    return codes


def luhn_digit(body):
    total = 0
    for i, c in enumerate(reversed(body)):
        d = int(c) * (2 if i % 2 == 0 else 1)
        total += d - 9 if d > 9 else d
    return str((10 - total % 10) % 10)


class Maker:
    def __init__(self, seed):
        self.random = random.Random(seed)
        self.codes = regions()

    def digits(self, count):
        return "".join(self.random.choice("0123456789") for _ in range(count))

    def birth(self, fifteen=False):
        year = self.random.randint(1920, 1999) if fifteen else self.random.randint(1940, 2010)
        month = self.random.randint(1, 12)
        day = self.random.randint(1, 28)
        return f"{year:04d}{month:02d}{day:02d}"

    def number(self, fifteen=False):
        stem = self.random.choice(self.codes) + self.birth(fifteen) + self.digits(3)
        return stem + check_character(stem)

    def with_x(self):
        """A number whose check character is X."""
        while True:
            number = self.number()
            if number[-1] == "X":
                return number

    def written(self, form):
        """The text of a planted number in a form, and its 18 characters."""
        if form == "lowercase_x":
            number = self.with_x()
            return number[:-1] + "x", number
        if form == "fifteen_digits":
            number = self.number(fifteen=True)
            old = number[:6] + number[8:17]
            return old, number
        number = self.number()
        if form == "plain":
            return number, number
        if form == "fullwidth":
            return wide(number), number
        if form == "mixed_width":
            cut = self.random.randint(1, 16)
            return number[:cut] + wide(number[cut:]), number
        separator = {"separated_space": " ", "separated_hyphen": "-", "separated_ideographic": "\u3000",
                     "separated_fullwidth_hyphen": "\uff0d"}[form]
        return separator.join((number[:6], number[6:14], number[14:])), number

    def lookalike(self, kind):
        if kind == "mobile":
            return "1" + self.random.choice("3456789") + self.digits(9)
        if kind == "bank_card":
            length = self.random.randint(16, 19)
            body = self.random.choice(("62", "4", "51", "37")) + ""
            body += self.digits(length - 1 - len(body))
            return body + luhn_digit(body)
        if kind == "order":
            return self.digits(self.random.randint(20, 25))
        if kind == "waybill":
            return self.random.choice(("SF", "YT", "JD", "ZTO")) + self.digits(12)
        if kind == "timestamp":
            return f"{self.random.randint(2015, 2024)}{self.random.randint(1, 12):02d}{self.random.randint(1, 28):02d}" \
                   f"{self.random.randint(0, 23):02d}{self.random.randint(0, 59):02d}" \
                   f"{self.random.randint(0, 59):02d}{self.random.randint(0, 999):03d}"
        if kind == "one_digit_changed":
            number = list(self.number())
            at = self.random.randint(0, 16)
            number[at] = self.random.choice([d for d in "0123456789" if d != number[at]])
            return "".join(number)
        if kind == "embedded":
            number = self.number()
            return self.random.choice((self.digits(3) + number, number + self.digits(4), "a" + number,
                                       number + "ff", "0x" + number, "ORD" + number + self.digits(2)))
        if kind == "overlapping":
            return self.number() + self.number()
        return self.digits(18)  # digits_18


def alphanumeric(character):
    """An ASCII or full-width digit or letter: what may not touch a number."""
    return character.isascii() and character.isalnum() or "\uff10" <= character <= "\uff5a"


LOOKALIKES = ("mobile", "bank_card", "order", "waybill", "timestamp", "one_digit_changed", "embedded", "overlapping",
              "digits_18")


def make(lines, seed):
    maker = Maker(seed)
    out = bytearray()
    labels = []

    def put(text, label=None):
        data = text.encode("utf-8")
        if label is not None:
            label = dict(label, offset=len(out), length=len(data))
            labels.append(label)
        out.extend(data)

    for _ in range(lines):
        # Words around, a number or a look-alike at the start, middle or end.
        where = maker.random.choice(("start", "middle", "end"))
        words = [maker.random.choice(WORDS) for _ in range(maker.random.randint(1, 4))]
        if maker.random.random() < 0.7:
            words.append(maker.random.choice(SENTENCES))
        planted_number = maker.random.random() < 0.5
        keyword = planted_number and maker.random.random() < 0.3
        if planted_number:
            form = maker.random.choice(FORMS)
            text, number = maker.written(form)
            label = {"label": "number", "type": form, "keyword": keyword, "number": number}
        else:
            kind = maker.random.choice(LOOKALIKES)
            text = maker.lookalike(kind)
            label = {"label": "lookalike", "type": kind, "keyword": maker.random.random() < 0.05}
            keyword = label["keyword"]
        joiner = maker.random.choice(("", " ", "，", "：", "、"))
        before = "".join(words)
        if joiner == "" and (alphanumeric(before[-1]) or (where == "start" and alphanumeric(before[0]))):
            joiner = " "  # a planted number never runs into a word
        if where == "start" and not keyword:
            put(text, label)
            put(joiner + before)
        else:
            put(before + joiner)
            if keyword:
                put(maker.random.choice(KEYWORDS))
            put(text, label)
            if where == "middle":
                put(maker.random.choice(("。", "，", ")", " ", "；")) + maker.random.choice(WORDS))
        put(maker.random.choice(("\n", "\n", "\n", "\r\n")))
    return bytes(out), labels


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("out_dir", type=Path)
    parser.add_argument("--lines", type=int, default=40000)
    parser.add_argument("--seed", type=int, default=20240630)
    options = parser.parse_args()
    text, labels = make(options.lines, options.seed)
    options.out_dir.mkdir(parents=True, exist_ok=True)
    (options.out_dir / "scan_corpus.txt").write_bytes(text)
    with open(options.out_dir / "scan_labels.jsonl", "w", encoding="utf-8") as out:
        for label in labels:
            out.write(json.dumps(label, ensure_ascii=False) + "\n")
    print(f"{len(text)} bytes, {sum(1 for l in labels if l['label'] == 'number')} numbers, "
          f"{sum(1 for l in labels if l['label'] == 'lookalike')} look-alikes in {options.out_dir}")


if __name__ == "__main__":
    main()
