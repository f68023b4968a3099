// The messages of the refusals, and what a region code names in the region
// tables. (Verification itself is inline, in the header.)
#include "core/verification.h"

#include <cstring>

#include "core/region_tables.h"

namespace {

const char lengthMessage[] = "您输入的身份证号为%s位，正确的应为18位";
const char checkMessage[] = "身份证未通过校验";
const char dateMessage[] = "出生日期不正确";

const char unknownLocation[] = "未知位置";
const char wrongRegionCode[] = "错误地区码";
const char emptyText[] = "";

}  // namespace

const char* refusalText(VerifyRefusal refusal) {
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

const char* sexText(bool male) { return male ? "男" : "女"; }

RegionTexts regionTexts(int regionCode) {
    const ProvinceUnit* unit = findUnit(regionCode / 10000);
    if (unit == nullptr) return {unknownLocation, emptyText, wrongRegionCode};

    if (unit->kind == UnitKind::municipality) {
        // A municipality's districts sit directly under it: the district's
        // name goes into the city field and the county field stays empty.
        const MunicipalTable& table = *unit->municipalTable;
        const int found = findByCode(table, regionCode);
        if (found == table.count) return {unit->fullName, unknownLocation, wrongRegionCode};
        return {unit->fullName, table.records[found].name, emptyText};
    }

    const ProvinceTable& table = *unit->provinceTable;
    const int county = findByCode(table, regionCode);
    if (county == table.count) return {unit->fullName, unknownLocation, wrongRegionCode};
    const int city = findByCode(table, regionCode / 100 * 100);
    return {unit->fullName, city < table.count ? table.records[city].name : unknownLocation,
            table.records[county].name};
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
