// The defaults, the ranges and the words of each refusal.
#include "core/scan_settings.h"

#include <cstring>

#include "core/calendar.h"
#include "core/gbk_table.h"
#include "core/generation_messages.h"
#include "core/text_buffer.h"

const char* const neutralScanWords[scanSettingCount] = {
    "encoding", "fifteen_digits", "min_confidence", "as_of_date", "redaction",      "mask_first",
    "mask_last", "label",         "key",            "token_alphabet", "token_length", "keep"};

namespace {

constexpr char defaultLabel[] = u8"[身份证号]";

int index(ScanSetting setting) { return static_cast<int>(setting); }

int64_t valueOr(const ScanSettings& settings, ScanSetting setting, int64_t fallback) {
    return settings.given[index(setting)] ? settings.integers[index(setting)] : fallback;
}

// The label in GBK; false when GBK has no character of it.
bool labelInGbk(const char* utf8, std::size_t length, char* gbk, uint8_t& gbkLength) {
    std::size_t put = 0;
    for (std::size_t at = 0; at < length;) {
        std::size_t step = 0;
        const uint32_t point =
            decodeCharacter(reinterpret_cast<const unsigned char*>(utf8 + at), length - at, Encoding::utf8, step);
        const std::size_t written = encodeCharacter(point, Encoding::gbk, gbk + put);
        if (point == noCharacter || written == 0) return false;
        put += written;
        at += step;
    }
    gbkLength = static_cast<uint8_t>(put);
    return true;
}

void appendWord(TextBuffer& out, const char* word) { out.appendEchoed(word, strnlen(word, maxOptionWordLength)); }

void appendInteger(TextBuffer& out, int64_t value) {
    if (value < 0) {
        out.append('-');
        out.appendDecimal(static_cast<uint64_t>(-(value + 1)) + 1);
    } else {
        out.appendDecimal(static_cast<uint64_t>(value));
    }
}

}  // namespace

void clearScanSettings(ScanSettings& settings) {
    std::memset(&settings, 0, sizeof settings);
}

void setScanInteger(ScanSettings& settings, ScanSetting setting, int64_t value) {
    settings.integers[index(setting)] = value;
    settings.given[index(setting)] = true;
}

void setScanText(ScanSettings& settings, ScanSetting setting, const char* text, std::size_t length) {
    settings.given[index(setting)] = true;
    if (setting == ScanSetting::label) {
        settings.labelLength = length;
        std::memcpy(settings.label, text, length < maxLabelLength ? length : maxLabelLength);
        return;
    }
    settings.keyLength = length;
    settings.keyFailed = !prepareHmacKey(reinterpret_cast<const unsigned char*>(text), length, settings.key);
}

ScanCheck checkScanSettings(const ScanSettings& settings, const BirthDate& today, ScanOptions& options) {
    options = ScanOptions{};
    auto refuse = [](ScanRefusal refusal, ScanSetting setting) { return ScanCheck{refusal, setting}; };

    const int64_t encoding = valueOr(settings, ScanSetting::encoding, 0);
    if (encoding < 0 || encoding > 2) return refuse(ScanRefusal::encoding, ScanSetting::encoding);
    options.encoding = static_cast<ScanEncoding>(encoding);

    const int64_t fifteen = valueOr(settings, ScanSetting::fifteenDigits, 0);
    if (fifteen != 0 && fifteen != 1) return refuse(ScanRefusal::fifteenDigits, ScanSetting::fifteenDigits);
    options.fifteenDigits = fifteen == 1;

    const int64_t confidence = valueOr(settings, ScanSetting::minConfidence, 2);
    if (confidence < 1 || confidence > 3) return refuse(ScanRefusal::confidence, ScanSetting::minConfidence);
    options.minConfidence = static_cast<Confidence>(confidence);

    if (settings.given[index(ScanSetting::asOfDate)]) {
        const int64_t date = settings.integers[index(ScanSetting::asOfDate)];
        const BirthDate asOf{static_cast<int>(date / 10000), static_cast<int>(date / 100 % 100),
                             static_cast<int>(date % 100)};
        if (date < 10101 || date > 99991231 || !isCalendarDate(asOf))
            return refuse(ScanRefusal::asOfDate, ScanSetting::asOfDate);
        options.asOf = asOf;
    } else {
        options.asOf = today;
    }

    RedactionOptions& redaction = options.redaction;
    const int64_t way = valueOr(settings, ScanSetting::redaction, 0);
    if (way < 0 || way > 3) return refuse(ScanRefusal::redaction, ScanSetting::redaction);
    redaction.way = static_cast<Redaction>(way);

    const int64_t first = valueOr(settings, ScanSetting::maskFirst, 6);
    const int64_t last = valueOr(settings, ScanSetting::maskLast, 4);
    if (first < 0 || first > maxMaskedKept) return refuse(ScanRefusal::maskRange, ScanSetting::maskFirst);
    if (last < 0 || first + last > maxMaskedKept) return refuse(ScanRefusal::maskRange, ScanSetting::maskLast);
    redaction.maskFirst = static_cast<int>(first);
    redaction.maskLast = static_cast<int>(last);

    const bool labelGiven = settings.given[index(ScanSetting::label)];
    const char* label = labelGiven ? settings.label : defaultLabel;
    const std::size_t labelLength = labelGiven ? settings.labelLength : sizeof defaultLabel - 1;
    if (labelLength > maxLabelLength) return refuse(ScanRefusal::labelLength, ScanSetting::label);
    if (!isValidUtf8(label, labelLength)) return refuse(ScanRefusal::labelNotUtf8, ScanSetting::label);
    std::memcpy(redaction.labelUtf8, label, labelLength);
    redaction.labelUtf8Length = static_cast<uint8_t>(labelLength);
    if (!labelInGbk(label, labelLength, redaction.labelGbk, redaction.labelGbkLength)) {
        if (options.encoding != ScanEncoding::utf8) return refuse(ScanRefusal::labelNotGbk, ScanSetting::label);
        redaction.labelGbkLength = 0;
    }

    const bool keyGiven = settings.given[index(ScanSetting::key)];
    if (keyGiven && settings.keyFailed) return refuse(ScanRefusal::crypto, ScanSetting::key);
    if (keyGiven && settings.keyLength < minKeyLength) return refuse(ScanRefusal::keyTooShort, ScanSetting::key);
    const bool keyed = redaction.way == Redaction::token || redaction.way == Redaction::pseudonym;
    if (keyed && !keyGiven) return refuse(ScanRefusal::noKey, ScanSetting::key);
    if (keyGiven) redaction.key = settings.key;

    const int64_t alphabet = valueOr(settings, ScanSetting::tokenAlphabet, 0);
    if (alphabet < 0 || alphabet > 1) return refuse(ScanRefusal::tokenAlphabet, ScanSetting::tokenAlphabet);
    redaction.tokenAlphabet = static_cast<TokenAlphabet>(alphabet);
    const int64_t tokenLength = valueOr(settings, ScanSetting::tokenLength, 16);
    const int longest = redaction.tokenAlphabet == TokenAlphabet::hex ? maxHexTokenLength : maxBase32TokenLength;
    if (tokenLength < minTokenLength || tokenLength > longest)
        return refuse(ScanRefusal::tokenLength, ScanSetting::tokenLength);
    redaction.tokenLength = static_cast<int>(tokenLength);

    const int64_t keep = valueOr(settings, ScanSetting::keep, PseudonymKeep::all);
    if (keep < 0 || keep > static_cast<int64_t>(PseudonymKeep::all))
        return refuse(ScanRefusal::keep, ScanSetting::keep);
    redaction.keep = static_cast<unsigned>(keep);
    return {ScanRefusal::none, ScanSetting::encoding};
}

std::size_t writeScanRefusal(char* buffer, std::size_t size, const ScanCheck& check, const ScanSettings& settings,
                             const char* const (&words)[scanSettingCount]) {
    TextBuffer out(buffer, size);
    if (check.refusal == ScanRefusal::none) return 0;
    const int64_t value = settings.integers[index(check.setting)];
    auto word = [&](ScanSetting setting) { appendWord(out, words[index(setting)]); };
    // "WORD: must be WHAT, not VALUE".
    auto range = [&](const char* what) {
        word(check.setting);
        out.append(": must be ");
        out.append(what);
        out.append(", not ");
        appendInteger(out, value);
    };
    switch (check.refusal) {
    case ScanRefusal::encoding: range("0 (UTF-8), 1 (GBK) or 2 (auto)"); break;
    case ScanRefusal::fifteenDigits: range("0 or 1"); break;
    case ScanRefusal::confidence: range("1 (low), 2 (medium) or 3 (high)"); break;
    case ScanRefusal::asOfDate: range("a calendar date YYYYMMDD of the years 1 to 9999"); break;
    case ScanRefusal::redaction: range("0 (mask), 1 (label), 2 (token) or 3 (pseudonym)"); break;
    case ScanRefusal::maskRange:
        if (check.setting == ScanSetting::maskFirst) {
            range("0 to 17");
            break;
        }
        word(ScanSetting::maskLast);
        out.append(": must be 0 to ");
        out.appendDecimal(static_cast<uint64_t>(maxMaskedKept - valueOr(settings, ScanSetting::maskFirst, 6)));
        out.append(" with ");
        word(ScanSetting::maskFirst);
        out.append(' ');
        appendInteger(out, valueOr(settings, ScanSetting::maskFirst, 6));
        out.append(" (at least one character masked), not ");
        appendInteger(out, value);
        break;
    case ScanRefusal::labelLength:
        word(ScanSetting::label);
        out.append(": must be at most 64 bytes, not ");
        out.appendDecimal(settings.labelLength);
        break;
    case ScanRefusal::labelNotUtf8:
        word(ScanSetting::label);
        out.append(": must be UTF-8 text");
        break;
    case ScanRefusal::labelNotGbk:
        word(ScanSetting::label);
        out.append(": must be writable in GBK for text read as GBK, not \"");
        out.appendEchoed(settings.label, settings.labelLength);
        out.append('"');
        break;
    case ScanRefusal::noKey:
        word(ScanSetting::key);
        out.append(" is required by the token and pseudonym ways of ");
        word(ScanSetting::redaction);
        break;
    case ScanRefusal::keyTooShort:
        word(ScanSetting::key);
        out.append(": must be at least 16 bytes, not ");
        out.appendDecimal(settings.keyLength);
        break;
    case ScanRefusal::tokenAlphabet: range("0 (hex) or 1 (base32)"); break;
    case ScanRefusal::tokenLength:
        range(valueOr(settings, ScanSetting::tokenAlphabet, 0) == 1 ? "8 to 52 with base32" : "8 to 64 with hex");
        break;
    case ScanRefusal::keep: range("a sum of 1 (region), 2 (birth year) and 4 (sex), from 0 to 7"); break;
    case ScanRefusal::crypto:
        word(ScanSetting::key);
        out.append(": the system's cryptography failed to prepare it");
        break;
    case ScanRefusal::none: break;
    }
    return out.length();
}
