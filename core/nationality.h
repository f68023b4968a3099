// The nationality of a foreigner's permanent residence card of the 2023
// format: its digits 4-6 are the ISO 3166-1 numeric code of the holder's
// country (the card's three-letter code turned into digits; sources in
// data/README.md). The table of countries is generated from Debian's
// iso-codes (core/nationality_data.cpp). Offers Country, findCountry and
// nationalityCodeOf.
#ifndef CORE_NATIONALITY_H
#define CORE_NATIONALITY_H

struct Country {
    int numeric;        // ISO 3166-1 numeric code
    char alpha3[4];     // ISO 3166-1 alpha-3 code
    const char* name;   // its name in Chinese (iso-codes' zh_CN), UTF-8
};

// The card's nationality digits (positions 4-6) as a number.
constexpr int nationalityOffset = 3;
constexpr int nationalityLength = 3;
inline int nationalityCodeOf(const char* number) {
    return (number[3] - '0') * 100 + (number[4] - '0') * 10 + (number[5] - '0');
}

// The country with the numeric code, or null when ISO 3166-1 has none.
const Country* findCountry(int numeric);

// The generated table, in ascending numeric code.
extern const int countryCount;
extern const Country countries[];

#endif
