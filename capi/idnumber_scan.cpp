// The C API's section "Finding numbers in text" (capi/idnumber.h): the
// scanner's context in the caller's storage, its setters and checks, finding
// and redacting pieces of a stream, over the core's scanner (core/scanner.h).
// Nothing is allocated; the context holds everything a stream needs.
#define IDN_BUILDING_LIBRARY
#include <cstring>
#include <ctime>
#include <new>

#include "capi/idnumber.h"
#include "core/redaction.h"
#include "core/scan_settings.h"
#include "core/scanner.h"

namespace {

static_assert(IDN_AUTO_STRETCH_LENGTH == autoStretchLength, "the stretch of auto encoding is the core's");
static_assert(IDN_SCANNER_HELD_MAX == scanHeldMax, "what a scanner holds between pieces is the core's");
static_assert(IDN_REDACT_SIZE(0) > redactionRoom(0) && IDN_REDACT_SIZE(100) == redactionRoom(100) + 1,
              "IDN_REDACT_SIZE is the core's room and a NUL");
static_assert(IDN_KEYWORD_REACH == keywordReach, "the keywords' reach is the core's");
static_assert(IDN_KEY_MIN_LENGTH == minKeyLength && IDN_LABEL_MAX_LENGTH == maxLabelLength &&
                  IDN_TOKEN_MAX_LENGTH == maxHexTokenLength,
              "the limits of the options are the core's");
static_assert(IDN_REDACT_NUMBER_SIZE == maxReplacementLength + 1, "a replacement and its NUL");
static_assert(IDN_OPTION_KEEP - IDN_OPTION_ENCODING + 1 == scanSettingCount &&
                  IDN_OPTION_LABEL - IDN_OPTION_ENCODING == static_cast<int>(ScanSetting::label) &&
                  IDN_OPTION_KEY - IDN_OPTION_ENCODING == static_cast<int>(ScanSetting::key),
              "the scan's options are numbered as ScanSetting");
static_assert(IDN_FORM_FULLWIDTH == ScanForm::fullwidth && IDN_FORM_LOWERCASE_X == ScanForm::lowercaseX &&
                  IDN_FORM_SEPARATED == ScanForm::separated && IDN_FORM_FIFTEEN_DIGITS == ScanForm::fifteenDigits,
              "idn_form_t is ScanForm");
static_assert(IDN_KEEP_REGION == PseudonymKeep::region && IDN_KEEP_BIRTH_YEAR == PseudonymKeep::birthYear &&
                  IDN_KEEP_SEX == PseudonymKeep::sex,
              "idn_keep_t is PseudonymKeep");
static_assert(IDN_CONFIDENCE_HIGH == static_cast<int>(Confidence::high) &&
                  IDN_CONFIDENCE_LOW == static_cast<int>(Confidence::low) &&
                  IDN_FLAW_REGION == static_cast<int>(ScanFlaw::region) &&
                  IDN_REDACT_PSEUDONYM == static_cast<int>(Redaction::pseudonym),
              "the enumerations number the core's");

struct ScannerContext {
    ScanSettings settings;
    ScanCheck check;
    bool refused;
    bool prepared;
    bool begun;    // a piece has been given
    bool reading;  // a piece given to find in is not read through
    bool broken;   // the cryptography failed during the stream
    Scanner scanner;
};
static_assert(sizeof(ScannerContext) <= IDN_SCANNER_SIZE, "raise IDN_SCANNER_SIZE");
static_assert(alignof(ScannerContext) <= alignof(idn_scanner_t), "the scanner's storage is aligned for its context");

ScannerContext& contextOf(idn_scanner_t& scanner) { return *reinterpret_cast<ScannerContext*>(scanner.opaque); }
const ScannerContext& contextOf(const idn_scanner_t& scanner) {
    return *reinterpret_cast<const ScannerContext*>(scanner.opaque);
}

BirthDate today() {
    const time_t now = time(nullptr);
#ifdef _WIN32
    const struct tm* local = localtime(&now);
#else
    struct tm converted;
    const struct tm* local = localtime_r(&now, &converted);
#endif
    if (local == nullptr) return BirthDate{9999, 12, 31};
    return BirthDate{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

int statusOf(ScanRefusal refusal) {
    switch (refusal) {
    case ScanRefusal::none: return IDN_OK;
    case ScanRefusal::encoding: return IDN_ERROR_BAD_ENCODING;
    case ScanRefusal::fifteenDigits: return IDN_ERROR_BAD_ARGUMENT;
    case ScanRefusal::confidence: return IDN_ERROR_BAD_CONFIDENCE;
    case ScanRefusal::asOfDate: return IDN_ERROR_AS_OF_DATE;
    case ScanRefusal::redaction: return IDN_ERROR_BAD_REDACTION;
    case ScanRefusal::maskRange: return IDN_ERROR_MASK_RANGE;
    case ScanRefusal::labelLength:
    case ScanRefusal::labelNotUtf8:
    case ScanRefusal::labelNotGbk: return IDN_ERROR_LABEL_TEXT;
    case ScanRefusal::noKey: return IDN_ERROR_NO_KEY;
    case ScanRefusal::keyTooShort: return IDN_ERROR_KEY_TOO_SHORT;
    case ScanRefusal::tokenAlphabet:
    case ScanRefusal::tokenLength: return IDN_ERROR_TOKEN_FORMAT;
    case ScanRefusal::keep: return IDN_ERROR_BAD_ARGUMENT;
    case ScanRefusal::crypto: return IDN_ERROR_CRYPTO;
    }
    return IDN_ERROR_BAD_ARGUMENT;
}

int optionOf(ScanSetting setting) { return IDN_OPTION_ENCODING + static_cast<int>(setting); }

// The setting an option names; false for an option that is no scan's.
bool settingOf(int option, ScanSetting& setting) {
    if (option < IDN_OPTION_ENCODING || option > IDN_OPTION_KEEP) return false;
    setting = static_cast<ScanSetting>(option - IDN_OPTION_ENCODING);
    return true;
}

int copyText(const char* text, size_t length, char* out, size_t size, size_t* written) {
    if (written != nullptr) *written = length;
    if (out == nullptr) return size == 0 ? IDN_OK : IDN_ERROR_NULL_POINTER;
    if (length >= size) {
        if (size > 0) out[0] = '\0';
        return IDN_ERROR_BUFFER_TOO_SMALL;
    }
    std::memcpy(out, text, length);
    out[length] = '\0';
    return IDN_OK;
}

void fillMatch(const ScanMatch& found, idn_match_t& match) {
    const uint32_t size = match.size;
    match = idn_match_t{};
    match.size = size;
    match.confidence = static_cast<int32_t>(found.confidence);
    match.form = static_cast<int32_t>(found.form);
    match.flaw = static_cast<int32_t>(found.flaw);
    match.byte_offset = found.byteOffset;
    match.byte_length = found.byteLength;
    match.utf16_offset = found.utf16Offset;
    match.utf16_length = found.utf16Length;
    match.char_offset = found.characterOffset;
    match.char_length = found.characterLength;
    match.line = found.line;
    match.column = found.column;
    std::memcpy(match.number, found.number, sizeof match.number);
    match.keyword = found.keyword != nullptr ? found.keyword->utf8 : nullptr;
    if (found.confidence >= Confidence::medium) {
        match.kind = static_cast<int32_t>(found.kind);
        match.sex = found.male ? IDN_SEX_MALE : IDN_SEX_FEMALE;
        match.birth_year = found.birthDate.year;
        match.birth_month = found.birthDate.month;
        match.birth_day = found.birthDate.day;
        match.region_code = found.regionCode;
    }
}

}  // namespace

extern "C" {

const char* idn_confidence_name(int confidence) {
    switch (confidence) {
    case IDN_CONFIDENCE_LOW: return "low";
    case IDN_CONFIDENCE_MEDIUM: return "medium";
    case IDN_CONFIDENCE_HIGH: return "high";
    default: return nullptr;
    }
}

const char* idn_form_name(int form) {
    switch (form) {
    case IDN_FORM_PLAIN: return "plain";
    case IDN_FORM_FULLWIDTH: return "fullwidth";
    case IDN_FORM_LOWERCASE_X: return "lowercase_x";
    case IDN_FORM_SEPARATED: return "separated";
    case IDN_FORM_FIFTEEN_DIGITS: return "fifteen_digits";
    default: return nullptr;
    }
}

const char* idn_flaw_name(int flaw) {
    switch (flaw) {
    case IDN_FLAW_CHECK: return "check";
    case IDN_FLAW_REGION: return "region";
    default: return nullptr;
    }
}

const char* idn_redaction_name(int redaction) {
    switch (redaction) {
    case IDN_REDACT_MASK: return "mask";
    case IDN_REDACT_LABEL: return "label";
    case IDN_REDACT_TOKEN: return "token";
    case IDN_REDACT_PSEUDONYM: return "pseudonym";
    default: return nullptr;
    }
}

int idn_scanner_init(idn_scanner_t* scanner, size_t size) {
    if (scanner == nullptr) return IDN_ERROR_NULL_POINTER;
    if (size < sizeof(ScannerContext)) return IDN_ERROR_BUFFER_TOO_SMALL;
    ScannerContext* context = new (scanner->opaque) ScannerContext;
    clearScanSettings(context->settings);
    context->check = ScanCheck{ScanRefusal::none, ScanSetting::encoding};
    context->refused = false;
    context->prepared = false;
    context->begun = false;
    context->reading = false;
    context->broken = false;
    return IDN_OK;
}

int idn_scanner_set_text(idn_scanner_t* scanner, int option, const char* text, size_t length) {
    if (scanner == nullptr || (text == nullptr && length != 0)) return IDN_ERROR_NULL_POINTER;
    ScannerContext& context = contextOf(*scanner);
    if (context.begun) return IDN_ERROR_SCAN_ORDER;
    ScanSetting setting;
    if (!settingOf(option, setting) || !isTextSetting(setting)) return IDN_ERROR_BAD_OPTION;
    setScanText(context.settings, setting, text != nullptr ? text : "", length);
    context.prepared = false;
    return IDN_OK;
}

int idn_scanner_set_integer(idn_scanner_t* scanner, int option, int64_t value) {
    if (scanner == nullptr) return IDN_ERROR_NULL_POINTER;
    ScannerContext& context = contextOf(*scanner);
    if (context.begun) return IDN_ERROR_SCAN_ORDER;
    ScanSetting setting;
    if (!settingOf(option, setting) || isTextSetting(setting)) return IDN_ERROR_BAD_OPTION;
    setScanInteger(context.settings, setting, value);
    context.prepared = false;
    return IDN_OK;
}

int idn_scanner_prepare(idn_scanner_t* scanner) {
    if (scanner == nullptr) return IDN_ERROR_NULL_POINTER;
    ScannerContext& context = contextOf(*scanner);
    if (context.begun) return IDN_ERROR_SCAN_ORDER;
    ScanOptions options;
    context.check = checkScanSettings(context.settings, today(), options);
    context.refused = context.check.refusal != ScanRefusal::none;
    context.prepared = !context.refused;
    if (context.refused) return statusOf(context.check.refusal);
    beginScan(context.scanner, options);
    return IDN_OK;
}

int idn_scanner_restart(idn_scanner_t* scanner) {
    if (scanner == nullptr) return IDN_ERROR_NULL_POINTER;
    ScannerContext& context = contextOf(*scanner);
    if (!context.prepared) return IDN_ERROR_NOT_PREPARED;
    const ScanOptions options = context.scanner.options;
    beginScan(context.scanner, options);
    context.begun = false;
    context.reading = false;
    context.broken = false;
    return IDN_OK;
}

int idn_scanner_refusal(const idn_scanner_t* scanner, int32_t* status, int32_t* option) {
    if (scanner == nullptr) return IDN_ERROR_NULL_POINTER;
    const ScannerContext& context = contextOf(*scanner);
    if (status != nullptr) *status = context.refused ? statusOf(context.check.refusal) : IDN_OK;
    if (option != nullptr) *option = context.refused ? optionOf(context.check.setting) : IDN_OPTION_NONE;
    return IDN_OK;
}

int idn_scanner_message(const idn_scanner_t* scanner, const char* const* names, size_t name_count, char* out,
                        size_t size, size_t* written) {
    if (scanner == nullptr || (names == nullptr && name_count != 0) || (out == nullptr && size != 0))
        return IDN_ERROR_NULL_POINTER;
    const ScannerContext& context = contextOf(*scanner);
    const char* words[scanSettingCount];
    for (int i = 0; i < scanSettingCount; ++i) {
        const size_t option = static_cast<size_t>(IDN_OPTION_ENCODING + i);
        words[i] = option < name_count && names[option] != nullptr ? names[option] : neutralScanWords[i];
    }
    char message[IDN_MESSAGE_SIZE];
    const size_t length =
        context.refused ? writeScanRefusal(message, sizeof message, context.check, context.settings, words) : 0;
    return copyText(message, length, out, size, written);
}

int idn_scanner_feed(idn_scanner_t* scanner, const char* piece, size_t length, int final) {
    if (scanner == nullptr || (piece == nullptr && length != 0)) return IDN_ERROR_NULL_POINTER;
    ScannerContext& context = contextOf(*scanner);
    if (!context.prepared) return IDN_ERROR_NOT_PREPARED;
    Scanner& core = context.scanner;
    if (core.mode == ScanMode::redact || context.reading || core.finalGiven) return IDN_ERROR_SCAN_ORDER;
    context.begun = true;
    context.reading = true;
    givePiece(core, piece != nullptr ? piece : "", length, final != 0);
    return IDN_OK;
}

int idn_scanner_next(idn_scanner_t* scanner, idn_match_t* match) {
    if (scanner == nullptr || match == nullptr) return IDN_ERROR_NULL_POINTER;
    if (match->size < sizeof(idn_match_t)) return IDN_ERROR_BAD_ARGUMENT;
    ScannerContext& context = contextOf(*scanner);
    if (!context.prepared) return IDN_ERROR_NOT_PREPARED;
    if (context.scanner.mode == ScanMode::redact) return IDN_ERROR_SCAN_ORDER;
    if (!context.reading) return 0;
    ScanMatch found;
    if (nextMatch(context.scanner, found)) {
        fillMatch(found, *match);
        return 1;
    }
    context.reading = false;
    return 0;
}

size_t idn_redact_size(size_t length) { return IDN_REDACT_SIZE(length); }

int idn_scanner_redact(idn_scanner_t* scanner, const char* piece, size_t length, int final, char* out, size_t size,
                       size_t* written) {
    if (scanner == nullptr || out == nullptr || (piece == nullptr && length != 0)) return IDN_ERROR_NULL_POINTER;
    ScannerContext& context = contextOf(*scanner);
    if (!context.prepared) return IDN_ERROR_NOT_PREPARED;
    Scanner& core = context.scanner;
    if (core.mode == ScanMode::find || core.finalGiven) return IDN_ERROR_SCAN_ORDER;
    if (context.broken) return IDN_ERROR_CRYPTO;
    // IDN_REDACT_SIZE(length), or the most a size_t holds when it cannot.
    const size_t longest = (SIZE_MAX - 1) / 5 - IDN_SCANNER_HELD_MAX;
    const size_t needed = length <= longest ? IDN_REDACT_SIZE(length) : SIZE_MAX;
    if (size < needed) {
        if (written != nullptr) *written = needed;
        if (size > 0) out[0] = '\0';
        return IDN_ERROR_BUFFER_TOO_SMALL;
    }
    context.begun = true;
    size_t put = 0;
    const bool ok = redactPiece(core, piece != nullptr ? piece : "", length, final != 0, out, put);
    out[put] = '\0';
    if (written != nullptr) *written = put;
    if (!ok) {
        context.broken = true;
        return IDN_ERROR_CRYPTO;
    }
    return IDN_OK;
}

int idn_scanner_summary(const idn_scanner_t* scanner, idn_scan_summary_t* summary) {
    if (scanner == nullptr || summary == nullptr) return IDN_ERROR_NULL_POINTER;
    if (summary->size < sizeof(idn_scan_summary_t)) return IDN_ERROR_BAD_ARGUMENT;
    const ScanSummary& counts = contextOf(*scanner).scanner.summary;
    const uint32_t size = summary->size;
    *summary = idn_scan_summary_t{};
    summary->size = size;
    if (!contextOf(*scanner).prepared) return IDN_OK;
    summary->bytes = counts.bytes;
    summary->matches = counts.matches;
    for (int i = 0; i < 4; ++i) {
        summary->by_confidence[i] = counts.byConfidence[i];
        summary->by_form[i] = counts.byForm[i];
    }
    summary->plain = counts.plain;
    return IDN_OK;
}

int idn_scanner_redact_number(const idn_scanner_t* scanner, const char* number, size_t length, char* out,
                              size_t size, size_t* written) {
    if (scanner == nullptr || (number == nullptr && length != 0) || (out == nullptr && size != 0))
        return IDN_ERROR_NULL_POINTER;
    const ScannerContext& context = contextOf(*scanner);
    if (!context.prepared) return IDN_ERROR_NOT_PREPARED;
    // A scanner of its own with the same options, whatever the stream's.
    Scanner alone;
    alone.options = context.scanner.options;
    char replaced[maxReplacementLength];
    size_t replacedLength = 0;
    bool failed = false;
    const bool found = redactNumber(alone, number != nullptr ? number : "", length, replaced, replacedLength, failed);
    if (failed) return IDN_ERROR_CRYPTO;
    if (!found) return IDN_ERROR_NOT_FOUND;
    return copyText(replaced, replacedLength, out, size, written);
}

}  // extern "C"
