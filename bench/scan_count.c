/* Counts the identity numbers in a file through the C API's scanner, one
 * thread, pieces of 1 MiB: what `idtool find --count` will do, for
 * scripts/bench_scan.sh to time beside wc -l and ripgrep.
 *
 *   scan_count FILE */
#include <stdio.h>
#include <stdlib.h>

#include "idnumber.h"

int main(int argc, char** argv) {
    static idn_scanner_t scanner;
    static char piece[1 << 20];
    idn_match_t match = {0};
    unsigned long long found = 0;
    size_t length;
    FILE* file;
    if (argc != 2 || (file = fopen(argv[1], "rb")) == NULL) {
        fprintf(stderr, "usage: scan_count FILE\n");
        return 2;
    }
    match.size = sizeof match;
    idn_scanner_init(&scanner, sizeof scanner);
    idn_scanner_set_integer(&scanner, IDN_OPTION_AS_OF_DATE, 20250101);
    if (idn_scanner_prepare(&scanner) != IDN_OK) return 2;
    do {
        length = fread(piece, 1, sizeof piece, file);
        idn_scanner_feed(&scanner, piece, length, length < sizeof piece);
        while (idn_scanner_next(&scanner, &match) == 1) ++found;
    } while (length == sizeof piece);
    fclose(file);
    printf("%llu\n", found);
    return 0;
}
