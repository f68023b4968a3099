// native_shared.h: what the two parts of the extension idnumber._native
// share: verification and the rest (_native.cpp, which makes the module) and
// the scanner's binding (scan.cpp): the Python types idnumber gives it, the
// objects made once and kept, the UTF-8 of str, errors, and the region
// entries that name a valid number's region. Everything here is used with
// the GIL held unless it says otherwise.
#ifndef IDNUMBER_PYTHON_NATIVE_SHARED_H
#define IDNUMBER_PYTHON_NATIVE_SHARED_H

#include <pybind11/pybind11.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "capi/idnumber.h"

namespace py = pybind11;

namespace idnumber_python {

// ---- Python types of idnumber ------------------------------------------------

// The record types of idnumber (typing.NamedTuple classes, and Verdict, a
// frozen dataclass with slots, with the descriptors of its slots in field
// order) and its exception, set once by idnumber/__init__.py; and the values
// besides None and NaN that a batch takes for a missing item (pandas' NA and
// NaT).
struct Types {
    PyObject* verdict = nullptr;
    std::vector<PyObject*> verdictSlots;
    PyObject* historyRecord = nullptr;
    PyObject* successor = nullptr;
    PyObject* presentCode = nullptr;
    PyObject* nationality = nullptr;
    PyObject* region = nullptr;
    PyObject* error = nullptr;
    std::vector<PyObject*> missing;
};
extern Types types;

void needTypes();

// ---- Errors ---------------------------------------------------------------------

// A new reference to a str of UTF-8 text from the library, which writes only
// valid UTF-8.
PyObject* newText(const char* utf8, size_t length);
PyObject* newText(const char* utf8);

// Raises idnumber.IdNumberError(message, status name, option).
[[noreturn]] void raiseRefusal(const char* message, size_t length, int status, const char* option);
// Raises RuntimeError for a status the binding never expects.
[[noreturn]] void raiseStatus(const char* what, int status);
// Raises what a pending signal's handler raised (KeyboardInterrupt).
void checkSignals();
const char* typeName(PyObject* object);

// ---- Texts in ---------------------------------------------------------------------

// A str goes to the library as UTF-8, with the one rule of every UTF-16 host
// for what UTF-8 cannot hold: a lone surrogate U+DC80-U+DCFF is a byte
// escaped by errors="surrogateescape" (PEP 383) and goes in as that byte;
// any other lone surrogate, and a value beyond Unicode (a NumPy str may hold
// one), goes in as U+FFFD.
inline unsigned utf8Length(uint32_t c) {
    if (c < 0x80) return 1;
    if (c < 0x800) return 2;
    if (c >= 0xD800 && c <= 0xDFFF) return c >= 0xDC80 && c <= 0xDCFF ? 1 : 3;
    if (c < 0x10000) return 3;
    return c < 0x110000 ? 4 : 3;
}

inline char* putUtf8(char* out, uint32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
        return out;
    }
    if (c >= 0xD800 && c <= 0xDFFF) {
        if (c >= 0xDC80 && c <= 0xDCFF) {
            *out++ = static_cast<char>(c - 0xDC00);
            return out;
        }
        c = 0xFFFD;
    } else if (c >= 0x110000) {
        c = 0xFFFD;
    }
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

inline bool isCompactAscii(PyObject* text) { return PyUnicode_IS_COMPACT_ASCII(text); }

// An identity number's characters, without the NUL of IDN_NUMBER_SIZE.
constexpr size_t numberLength = IDN_NUMBER_SIZE - 1;

// ---- Objects made once ------------------------------------------------------------

PyObject* newInteger(long value);
PyObject* newReference(PyObject* object);
// Borrowed references, kept for the life of the process: the empty tuple;
// the str of a text of the library's constant data, one object per text
// (Py_None for NULL with optionalConstantText); the names of kinds and
// sexes (Py_None where the C API names none).
PyObject* emptyTuple();
PyObject* constantText(const char* utf8);
PyObject* optionalConstantText(const char* utf8);
PyObject* kindObject(int kind);
PyObject* sexObject(int sex);

// None, NaN, and pandas' NA and NaT once pandas has been imported.
bool isMissing(PyObject* item);

// ---- Region codes ------------------------------------------------------------------

// What the library says of a region code, as verify's fields, kept per code.
// Borrowed references, kept for the life of the process. What a batch reads
// for every row fills one cache line; the rest, the next.
struct alignas(64) RegionEntry {
    int32_t code;
    uint32_t index;  // in the entries kept
    // province, city, county, code_status; history (a tuple of
    // HistoryRecord), successors (of Successor), now (of PresentCode): in
    // the order of their ObjectFields, from provinceField.
    PyObject* objects[7];
    PyObject*& province() { return objects[0]; }
    PyObject*& city() { return objects[1]; }
    PyObject*& county() { return objects[2]; }
    PyObject*& status() { return objects[3]; }
    PyObject*& history() { return objects[4]; }
    PyObject*& successors() { return objects[5]; }
    PyObject*& now() { return objects[6]; }
    // The Nationality of the code's valid numbers (None but for a
    // foreigner's card).
    PyObject* nationality;
    // idn_region_info's answers of in_use_at_birth, each with the birth
    // years it holds for (years_from to years_to): a year in none of them is
    // asked again, and its answer kept in place of the oldest when all are
    // taken. Looking the history up costs more than the rest of a row's
    // verification; a code's answer changes at most a few times. A slot not
    // yet taken holds no year (from above to).
    static constexpr int spanSlots = 4;
    int32_t spanFrom[spanSlots];
    int32_t spanTo[spanSlots];
    uint8_t spanInUse[spanSlots];
    uint8_t spanCount;
    uint8_t spanNext;
};

static_assert(offsetof(RegionEntry, nationality) == 64, "a row's objects fill the entry's first cache line");
static_assert(sizeof(RegionEntry) == 128, "an entry is two cache lines");

// The entry of a code (0 to 999999), made on first use with the library's
// answer for `birthYear`; its address never changes.
RegionEntry& regionEntry(int32_t code, int birthYear);

// ---- Dates --------------------------------------------------------------------

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t daysFromCivil(int year, int month, int day);

constexpr int64_t notATime = std::numeric_limits<int64_t>::min();  // NumPy's NaT
// pandas' datetime64[ns] holds 1677-09-22 onwards (whole days).
constexpr int64_t firstNanosecondDay = -106751;
constexpr int64_t nanosecondsPerDay = 86400LL * 1000000000LL;

// ---- The scanner ----------------------------------------------------------------

// The module's functions and class of finding and redaction (scan.cpp).
void defineScanning(py::module_& module);

}  // namespace idnumber_python

#endif
