// Pseudonyms: for a valid number, another valid number chosen by a key, so
// that data made from real data still validates and still joins. The same
// number and key always give the same pseudonym, and two numbers never give
// one: the number's parts are mapped to a position in a domain of numbers
// and moved by a keyed permutation of that domain (core/keyed_permutation.h).
//
// A domain holds the numbers of one kind (resident, permit, card: a
// pseudonym keeps the kind), with the same kept parts:
// - the region (PseudonymKeep::region), or any code of the kind;
// - the birth year (PseudonymKeep::birthYear), or any year of the same
//   century, so that a 15-digit number's pseudonym (19YY) is the 15-digit
//   form of its 18-digit one's; never a birth after the as-of date;
// - the sex (PseudonymKeep::sex: the parity of the sequence number), or
//   any sequence number 000-999.
// A number that is not valid (a low match) gets its 17 (15) digits moved
// among all digit strings of its length, with a check character that fails,
// so that it stays invalid.
//
// Offers pseudonymOfNumber and pseudonymOfFlawed.
#ifndef CORE_PSEUDONYM_H
#define CORE_PSEUDONYM_H

#include "core/hmac_sha256.h"
#include "core/number_rules.h"

// `number`: 18 ASCII characters of a valid number (as judgeFoundNumber
// takes it) born on or before `asOf`. Writes 18 characters and a NUL. False
// when the system's cryptography fails.
bool pseudonymOfNumber(const HmacKey& key, unsigned keep, const BirthDate& asOf, const char* number,
                       char (&pseudonym)[numberLength + 1]);

// `number`: 18 characters (17 digits and a check character) or 15 digits.
// Writes as many characters and a NUL.
bool pseudonymOfFlawed(const HmacKey& key, const char* number, int length, char (&pseudonym)[numberLength + 1]);

#endif
