// The messages of the refusals, and what a region code names in the region
// tables. (Verification itself is inline, in the header.)
#include "core/verification.h"

#include <cstring>

#include "core/region_tables.h"

namespace {

const Text lengthMessage = BOTH_ENCODINGS("您输入的身份证号为%s位，正确的应为18位");
const Text checkMessage = BOTH_ENCODINGS("身份证未通过校验");
const Text dateMessage = BOTH_ENCODINGS("出生日期不正确");

const Text unknownLocation = BOTH_ENCODINGS("未知位置");
const Text wrongRegionCode = BOTH_ENCODINGS("错误地区码");
const Text emptyText = {"", ""};

}  // namespace

Text refusalText(VerifyRefusal refusal) {
    switch (refusal) {
    case VerifyRefusal::length:
        return lengthMessage;
    case VerifyRefusal::characters:
    case VerifyRefusal::check:
        return checkMessage;
    case VerifyRefusal::date:
        return dateMessage;
    case VerifyRefusal::none:
        break;
    }
    return emptyText;
}

const char* refusalName(VerifyRefusal refusal) {
    switch (refusal) {
    case VerifyRefusal::length:
        return "length";
    case VerifyRefusal::characters:
        return "characters";
    case VerifyRefusal::check:
        return "check";
    case VerifyRefusal::date:
        return "date";
    case VerifyRefusal::none:
        break;
    }
    return nullptr;
}

Text sexText(bool male) { return male ? BOTH_ENCODINGS("男") : BOTH_ENCODINGS("女"); }

RegionTexts regionTexts(int regionCode) {
    const ProvinceUnit* unit = findUnit(regionCode / 10000);
    if (unit == nullptr) return {unknownLocation, emptyText, wrongRegionCode};

    if (unit->kind == UnitKind::municipality) {
        // A municipality's districts sit directly under it: the district's
        // name goes into the city field and the county field stays empty.
        const MunicipalTable& table = *unit->municipalTable;
        const int found = findByCode(table, regionCode);
        if (found == table.count) return {unit->fullNameText, unknownLocation, wrongRegionCode};
        return {unit->fullNameText, recordName(table, found), emptyText};
    }

    const ProvinceTable& table = *unit->provinceTable;
    const int county = findByCode(table, regionCode);
    if (county == table.count) return {unit->fullNameText, unknownLocation, wrongRegionCode};
    const int city = findByCode(table, regionCode / 100 * 100);
    return {unit->fullNameText, city < table.count ? recordName(table, city) : unknownLocation,
            recordName(table, county)};
}

int formatMessage(char* out, int size, const char* text, uint64_t number) {
    if (size <= 0) return 0;
    // The number in decimal, filled from the end.
    char figure[24];
    std::size_t figureStart = sizeof figure;
    do {
        figure[--figureStart] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);

    // Whole pieces, cut at the end of `out`: the text up to each "%s", and
    // the number in its place.
    int written = 0;
    auto append = [&](const char* bytes, std::size_t count) {
        const auto room = static_cast<std::size_t>(size - 1 - written);
        if (count > room) count = room;
        std::memcpy(out + written, bytes, count);
        written += static_cast<int>(count);
    };
    const char* piece = text;
    const char* at = text;
    for (; *at != '\0'; ++at) {
        if (at[0] == '%' && at[1] == 's') {
            append(piece, static_cast<std::size_t>(at - piece));
            append(figure + figureStart, sizeof figure - figureStart);
            piece = at + 2;
            ++at;
        }
    }
    append(piece, static_cast<std::size_t>(at - piece));
    out[written] = '\0';
    return written;
}
