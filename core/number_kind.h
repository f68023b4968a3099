// The kind of an 18-character number that passes verification, from its
// first digits: a mainland resident's number; a Hong Kong, Macao or Taiwan
// residents' residence permit (region codes 810000, 820000 and 830000,
// issued since 1 September 2018); or a foreigner's permanent residence card
// of the 2023 format (first digit 9, issued since 1 December 2023). The kind
// is information only: it never changes the verdict. Sources in
// data/README.md. Offers NumberKind, kindOf and kindName.
#ifndef CORE_NUMBER_KIND_H
#define CORE_NUMBER_KIND_H

enum class NumberKind : unsigned char {
    none,           // not a valid number: no kind is said
    resident,       // a mainland resident's identity number
    hmtPermit,      // a Hong Kong, Macao or Taiwan residents' residence permit
    foreignerCard,  // a foreigner's permanent residence card, 2023 format
};

// The kind of a valid number whose first six digits are `regionCode`.
inline NumberKind kindOfRegionCode(int regionCode) {
    if (regionCode / 100000 == 9) return NumberKind::foreignerCard;
    const bool permitRegion = regionCode == 810000 || regionCode == 820000 || regionCode == 830000;
    return permitRegion ? NumberKind::hmtPermit : NumberKind::resident;
}

// The kind of a valid number's 18 bytes.
inline NumberKind kindOf(const char* number) {
    int regionCode = 0;
    for (int i = 0; i < 6; ++i) regionCode = regionCode * 10 + (number[i] - '0');
    return kindOfRegionCode(regionCode);
}

// "resident", "hmt_permit" or "foreigner_card"; null for none.
const char* kindName(NumberKind kind);

#endif
