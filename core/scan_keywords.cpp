// The keywords, written once as UTF-8 and decoded into code points when
// compiled.
#include "core/scan_keywords.h"

namespace {

constexpr ScanKeyword keyword(const char* utf8) {
    ScanKeyword entry{utf8, {}, 0, true};
    for (int at = 0; utf8[at] != 0;) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        uint32_t point = lead;
        int length = 1;
        if (lead >= 0xF0) {
            point = lead & 0x07u;
            length = 4;
        } else if (lead >= 0xE0) {
            point = lead & 0x0Fu;
            length = 3;
        } else if (lead >= 0xC0) {
            point = lead & 0x1Fu;
            length = 2;
        }
        for (int i = 1; i < length; ++i) point = point << 6 | (static_cast<unsigned char>(utf8[at + i]) & 0x3Fu);
        if (point >= 0x80) entry.ascii = false;
        entry.codePoints[entry.length++] = point;
        at += length;
    }
    return entry;
}

}  // namespace

// Chinese words of forms and documents, and ASCII words of column and field
// names (sfz, sfzh, sfzhm: 身份证, 身份证号, 身份证号码 in pinyin initials).
constexpr ScanKeyword scanKeywords[] = {
    keyword(u8"身份证"),     keyword(u8"身份证号"),   keyword(u8"身份证号码"), keyword(u8"公民身份号码"),
    keyword(u8"居民身份证"), keyword(u8"身份号码"),   keyword(u8"证件号"),     keyword(u8"证件号码"),
    keyword("id card"),      keyword("id_card"),      keyword("id-card"),      keyword("idcard"),
    keyword("id no"),        keyword("id_no"),        keyword("id-no"),        keyword("idno"),
    keyword("id number"),    keyword("id_number"),    keyword("idnumber"),     keyword("identity card"),
    keyword("identity number"), keyword("sfz"),       keyword("sfzh"),         keyword("sfzhm"),
};
constexpr int scanKeywordCount = sizeof scanKeywords / sizeof scanKeywords[0];

namespace {

// The first characters of the keywords beyond ASCII, and of the ASCII ones.
struct Initials {
    uint32_t wide[scanKeywordCount];
    int wideCount;
    bool ascii[128];
};

constexpr Initials initials = [] {
    Initials found{};
    for (const ScanKeyword& entry : scanKeywords) {
        const uint32_t first = entry.codePoints[0];
        if (first < 128) {
            found.ascii[first] = true;
            continue;
        }
        bool known = false;
        for (int i = 0; i < found.wideCount; ++i) known = known || found.wide[i] == first;
        if (!known) found.wide[found.wideCount++] = first;
    }
    return found;
}();

}  // namespace

bool isKeywordInitial(uint32_t codePoint) {
    if (codePoint < 128) return initials.ascii[foldAscii(codePoint)];
    for (int i = 0; i < initials.wideCount; ++i)
        if (initials.wide[i] == codePoint) return true;
    return false;
}
