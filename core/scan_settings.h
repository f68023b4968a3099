// A scan's options as a caller gives them, one by one, before they are
// checked; their checks, in one order, into ScanOptions; and the message of
// a refusal, naming each option by the caller's own word for it. Offers
// ScanSetting, ScanSettings, ScanRefusal, ScanCheck, clearScanSettings,
// setScanInteger, setScanText, checkScanSettings and writeScanRefusal.
#ifndef CORE_SCAN_SETTINGS_H
#define CORE_SCAN_SETTINGS_H

#include <cstddef>
#include <cstdint>

#include "core/scan_options.h"

// In the order they are checked.
enum class ScanSetting : uint8_t {
    encoding,
    fifteenDigits,
    minConfidence,
    asOfDate,
    redaction,
    maskFirst,
    maskLast,
    label,
    key,
    tokenAlphabet,
    tokenLength,
    keep,
};
constexpr int scanSettingCount = 12;

// The words of the C API's options, by ScanSetting.
extern const char* const neutralScanWords[scanSettingCount];

struct ScanSettings {
    int64_t integers[scanSettingCount];
    bool given[scanSettingCount];
    char label[maxLabelLength];  // its first maxLabelLength bytes
    std::size_t labelLength;     // the whole length given
    HmacKey key;
    std::size_t keyLength;
    bool keyFailed;  // the system's cryptography failed to prepare it
};

enum class ScanRefusal : uint8_t {
    none,
    encoding,
    fifteenDigits,
    confidence,
    asOfDate,
    redaction,
    maskRange,
    labelLength,
    labelNotUtf8,
    labelNotGbk,
    noKey,
    keyTooShort,
    tokenAlphabet,
    tokenLength,
    keep,
    crypto,
};

struct ScanCheck {
    ScanRefusal refusal;
    ScanSetting setting;
};

void clearScanSettings(ScanSettings& settings);
void setScanInteger(ScanSettings& settings, ScanSetting setting, int64_t value);
// Only for ScanSetting::label and ScanSetting::key (prepared for HMAC at
// once, so that the settings keep 64 bytes of any key).
void setScanText(ScanSettings& settings, ScanSetting setting, const char* text, std::size_t length);
// Whether the setting takes a text (the label and the key) or an integer.
inline bool isTextSetting(ScanSetting setting) { return setting == ScanSetting::label || setting == ScanSetting::key; }

// Checks the settings in ScanSetting's order and fills `options`; `today`
// is the as-of date when none is given.
ScanCheck checkScanSettings(const ScanSettings& settings, const BirthDate& today, ScanOptions& options);

// "mask_first: must be 0 to 17 with mask_last 4, not 15": the message of a
// refusal, in UTF-8, with `words` the caller's words by ScanSetting (none
// null). Room: generationMessageCapacity with words of up to 64 bytes.
std::size_t writeScanRefusal(char* out, std::size_t size, const ScanCheck& check, const ScanSettings& settings,
                             const char* const (&words)[scanSettingCount]);

#endif
