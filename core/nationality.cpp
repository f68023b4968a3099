// The lookup of a country by its ISO 3166-1 numeric code in the generated
// table: a binary search over its ascending codes.
#include "core/nationality.h"

const Country* findCountry(int numeric) {
    int low = 0, high = countryCount;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (countries[middle].numeric < numeric)
            low = middle + 1;
        else
            high = middle;
    }
    return low < countryCount && countries[low].numeric == numeric ? &countries[low] : nullptr;
}
