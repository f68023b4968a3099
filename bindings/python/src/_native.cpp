// _native.cpp: the C++ side of the Python module idnumber, a thin layer over
// the C API (capi/idnumber.h); idnumber/__init__.py wraps it in the public
// functions and types.
//
// It offers:
//   verify_one(text, year_limit)              one number's Verdict
//   verify_batch(values, ns, fields, limit)   a batch's fields as NumPy columns
//   generate(...)                             the numbers of a generation
//   regions(query), history(code), upgrade(text), mask(text), version()
// and, from scan.cpp, the scanner's (finding and redacting numbers in text).
//
// Texts. A str goes in as UTF-8, with the one rule of every UTF-16 host for
// what UTF-8 cannot hold: a lone surrogate U+DC80-U+DCFF is a byte escaped
// by errors="surrogateescape" (PEP 383) and goes in as that byte; any other
// lone surrogate goes in as U+FFFD. bytes go in as they are.
//
// A batch is verified chunk by chunk (chunkRows rows), in three passes per
// chunk. With the GIL held, the first bytes a verdict reads of each item
// are copied into the chunk's buffer with the item's whole length (so no
// string gets a UTF-8 copy of itself, and no item is held), the elements of
// a bytes array located in place. With the GIL released, each text is
// verified. With the GIL held again, the object columns are filled with
// shared objects, a column at a time where they are shared by every batch:
// every text of the tables,
// every code's history and every message is made into a Python object once
// and kept for the life of the process, as the C API keeps its texts;
// birth-date texts are shared within the batch. Between chunks, pending
// signals are handled, so Ctrl-C stops a long batch at once.
//
// Threads: the objects kept for the process are made and published under
// the GIL, and everything a batch counts is its own, so batches may run in
// any number of threads at once, and the GIL may pass to another thread at
// any point where Python code can run (a signal handler, a NamedTuple's
// __new__) without harm.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <datetime.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "capi/idnumber.h"
#include "native_shared.h"

namespace py = pybind11;

namespace idnumber_python {

// ---- Python types of idnumber ------------------------------------------------

Types types;

void needTypes() {
    if (types.historyRecord == nullptr) throw std::runtime_error("idnumber._native.set_types was not called");
}

// ---- Errors ---------------------------------------------------------------------

// A new reference to a str of UTF-8 text from the library, which writes only
// valid UTF-8.
PyObject* newText(const char* utf8, size_t length) {
    PyObject* text = PyUnicode_DecodeUTF8(utf8, static_cast<Py_ssize_t>(length), "strict");
    if (text == nullptr) throw py::error_already_set();
    return text;
}

PyObject* newText(const char* utf8) { return newText(utf8, std::strlen(utf8)); }

// Raises idnumber.IdNumberError(message, status name, option).
[[noreturn]] void raiseRefusal(const char* message, size_t length, int status, const char* option) {
    needTypes();
    const py::object text = py::reinterpret_steal<py::object>(newText(message, length));
    const char* name = idn_status_name(status);
    const py::object error = py::reinterpret_borrow<py::object>(types.error)(
        text, name != nullptr ? py::object(py::str(name)) : py::object(py::int_(status)),
        option != nullptr ? py::object(py::str(option)) : py::object(py::none()));
    PyErr_SetObject(types.error, error.ptr());
    throw py::error_already_set();
}

[[noreturn]] void raiseStatus(const char* what, int status) {
    const char* name = idn_status_name(status);
    PyErr_Format(PyExc_RuntimeError, "%s: the C API answered %s", what, name != nullptr ? name : "an unknown status");
    throw py::error_already_set();
}

// Each option's name in messages and exceptions: the parameters of
// idnumber's functions (born_between for both ends of a range, as_of for
// as_of_year).
const char* pythonName(int option) {
    switch (option) {
    case IDN_OPTION_REGION: return "region";
    case IDN_OPTION_BIRTH: return "birth";
    case IDN_OPTION_BORN_FROM: return "born_between";
    case IDN_OPTION_BORN_TO: return "born_between";
    case IDN_OPTION_SEX: return "sex";
    case IDN_OPTION_COUNT: return "count";
    case IDN_OPTION_SEED: return "seed";
    case IDN_OPTION_AS_OF_YEAR: return "as_of";
    case IDN_OPTION_YEAR_LIMIT: return "year_limit";
    default: return nullptr;
    }
}

// The same names as the array the library's messages take, indexed by
// idn_option_t.
constexpr size_t pythonNameCount = IDN_OPTION_YEAR_LIMIT + 1;

const char* const* pythonNames() {
    static const struct Names {
        const char* words[pythonNameCount];
        Names() : words() {
            for (size_t option = 0; option < pythonNameCount; ++option)
                words[option] = pythonName(static_cast<int>(option));
        }
    } names;
    return names.words;
}

// Refuses a value that cannot reach the library as it is, in the library's
// words for it.
[[noreturn]] void refuseOption(int status, const char* value, size_t length, int option) {
    char message[IDN_MESSAGE_SIZE];
    size_t written = 0;
    const int worded =
        idn_option_message(status, value, length, pythonNames(), pythonNameCount, message, sizeof message, &written);
    if (worded != IDN_OK) raiseStatus("idn_option_message", worded);
    raiseRefusal(message, written, status, pythonName(option));
}

// The decimal digits of a Python int, as a message echoes them.
std::string digitsOf(const py::object& value) { return py::str(value).cast<std::string>(); }

[[noreturn]] void refuseNumber(int status, const py::object& value, int option) {
    const std::string digits = digitsOf(value);
    refuseOption(status, digits.data(), digits.size(), option);
}

void checkSignals() {
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
}

const char* typeName(PyObject* object) { return Py_TYPE(object)->tp_name; }

// ---- Texts in ---------------------------------------------------------------------

// The most bytes a held prefix takes: IDN_INPUT_HELD_BYTES and the rest of
// the code point that reaches them.
constexpr size_t prefixCapacity = IDN_INPUT_HELD_BYTES + 4;

// Writes the UTF-8 of the first code points of `units` at `out`, until at
// least IDN_INPUT_HELD_BYTES bytes or the end (what a verdict reads), and
// returns how many; `total` gets the whole text's UTF-8 length.
template <typename Unit>
size_t encodePrefix(const Unit* units, size_t count, char* out, uint64_t& total) {
    char* const start = out;
    size_t i = 0;
    for (; i < count && static_cast<size_t>(out - start) < IDN_INPUT_HELD_BYTES; ++i) out = putUtf8(out, units[i]);
    uint64_t length = static_cast<uint64_t>(out - start);
    for (; i < count; ++i) length += utf8Length(units[i]);
    total = length;
    return static_cast<size_t>(out - start);
}

template <typename Unit>
void encodeWhole(const Unit* units, size_t count, std::string& out) {
    size_t length = 0;
    for (size_t i = 0; i < count; ++i) length += utf8Length(units[i]);
    out.resize(length);
    char* at = out.data();
    for (size_t i = 0; i < count; ++i) at = putUtf8(at, units[i]);
}

// The prefix of a str that is not compact ASCII (see encodePrefix).
size_t strPrefix(PyObject* text, char* out, uint64_t& total) {
    const size_t count = static_cast<size_t>(PyUnicode_GET_LENGTH(text));
    const void* data = PyUnicode_DATA(text);
    switch (PyUnicode_KIND(text)) {
    case PyUnicode_1BYTE_KIND: return encodePrefix(static_cast<const Py_UCS1*>(data), count, out, total);
    case PyUnicode_2BYTE_KIND: return encodePrefix(static_cast<const Py_UCS2*>(data), count, out, total);
    default: return encodePrefix(static_cast<const Py_UCS4*>(data), count, out, total);
    }
}

// The UTF-8 bytes of a str or bytes argument of one call: in place when it
// is bytes or compact ASCII, else encoded into the object's own buffer.
class TextArgument {
public:
    // Raises TypeError, naming `what`, for anything but str and bytes.
    TextArgument(PyObject* value, const char* what) {
        if (PyBytes_Check(value)) {
            data_ = PyBytes_AS_STRING(value);
            size_ = static_cast<size_t>(PyBytes_GET_SIZE(value));
        } else if (PyUnicode_Check(value)) {
            if (isCompactAscii(value)) {
                data_ = static_cast<const char*>(PyUnicode_DATA(value));
                size_ = static_cast<size_t>(PyUnicode_GET_LENGTH(value));
            } else {
                const size_t count = static_cast<size_t>(PyUnicode_GET_LENGTH(value));
                const void* units = PyUnicode_DATA(value);
                switch (PyUnicode_KIND(value)) {
                case PyUnicode_1BYTE_KIND: encodeWhole(static_cast<const Py_UCS1*>(units), count, owned_); break;
                case PyUnicode_2BYTE_KIND: encodeWhole(static_cast<const Py_UCS2*>(units), count, owned_); break;
                default: encodeWhole(static_cast<const Py_UCS4*>(units), count, owned_); break;
                }
                data_ = owned_.data();
                size_ = owned_.size();
            }
        } else {
            PyErr_Format(PyExc_TypeError, "%s takes str or bytes, not %s", what, typeName(value));
            throw py::error_already_set();
        }
    }
    TextArgument(const TextArgument&) = delete;
    TextArgument& operator=(const TextArgument&) = delete;

    const char* data() const { return data_; }
    size_t size() const { return size_; }

private:
    const char* data_ = "";
    size_t size_ = 0;
    std::string owned_;
};

// ---- Objects made once ------------------------------------------------------------

PyObject* newInteger(long value) {
    PyObject* integer = PyLong_FromLong(value);
    if (integer == nullptr) throw py::error_already_set();
    return integer;
}

// A new reference to type(*arguments), taking the arguments' references. It
// runs Python code (a NamedTuple's __new__), so the GIL may pass meanwhile.
template <typename... Arguments>
PyObject* newInstance(PyObject* type, Arguments... arguments) {
    PyObject* tuple = PyTuple_Pack(sizeof...(arguments), arguments...);
    for (PyObject* each : {arguments...}) Py_DECREF(each);
    if (tuple == nullptr) throw py::error_already_set();
    PyObject* instance = PyObject_Call(type, tuple, nullptr);
    Py_DECREF(tuple);
    if (instance == nullptr) throw py::error_already_set();
    return instance;
}

PyObject* newReference(PyObject* object) {
    Py_INCREF(object);
    return object;
}

// The str of a text of the library's constant data, one object per text.
// Its keys are pointers into that data, so the map stays as small as the
// tables. Borrowed references.
PyObject* constantText(const char* utf8) {
    static std::unordered_map<const char*, PyObject*> objects;
    const auto found = objects.find(utf8);
    if (found != objects.end()) return found->second;
    PyObject* text = newText(utf8);
    objects.emplace(utf8, text);
    return text;
}

PyObject* optionalConstantText(const char* utf8) { return utf8 != nullptr ? constantText(utf8) : Py_None; }

// Fixed names: the reasons, kinds, sexes, hints and check characters, looked
// up per row from small tables. Borrowed references; Py_None where the C API
// names nothing.
PyObject* reasonObject(int reason) {
    static PyObject* objects[IDN_REASON_DATE + 1] = {};
    if (reason <= IDN_VALID || reason > IDN_REASON_DATE) return Py_None;
    if (objects[reason] == nullptr) objects[reason] = constantText(idn_reason_name(reason));
    return objects[reason];
}

PyObject* kindObject(int kind) {
    static PyObject* objects[IDN_KIND_FOREIGNER_CARD + 1] = {};
    if (kind <= IDN_KIND_NONE || kind > IDN_KIND_FOREIGNER_CARD) return Py_None;
    if (objects[kind] == nullptr) objects[kind] = constantText(idn_kind_name(kind));
    return objects[kind];
}

PyObject* sexObject(int sex) {
    static PyObject* objects[IDN_SEX_FEMALE + 1] = {};
    if (sex != IDN_SEX_MALE && sex != IDN_SEX_FEMALE) return Py_None;
    if (objects[sex] == nullptr) objects[sex] = constantText(idn_sex_name(sex));
    return objects[sex];
}

PyObject* hintObject(int hint) {
    static PyObject* objects[IDN_HINT_SPACES + 1] = {};
    if (hint <= IDN_HINT_NONE || hint > IDN_HINT_SPACES) return Py_None;
    if (objects[hint] == nullptr) objects[hint] = constantText(idn_hint_name(hint));
    return objects[hint];
}

PyObject* checkObject(char check) {
    static PyObject* objects[128] = {};
    const unsigned char index = static_cast<unsigned char>(check);
    if (index == 0 || index >= 128) return Py_None;
    if (objects[index] == nullptr) objects[index] = newText(&check, 1);
    return objects[index];
}

PyObject* emptyTuple() {
    static PyObject* const empty = PyTuple_New(0);
    return empty;
}

// The refusal's message: a borrowed reference, kept per reason and length
// for texts up to 255 bytes (the length message names the length); for a
// longer text a new reference, and `fresh` set.
PyObject* messageObject(int reason, uint64_t length, bool& fresh) {
    static PyObject* kept[IDN_REASON_DATE + 1][256] = {};
    fresh = false;
    if (reason <= IDN_VALID || reason > IDN_REASON_DATE) return Py_None;
    if (length < 256 && kept[reason][length] != nullptr) return kept[reason][length];
    idn_verdict_t verdict{};
    verdict.size = sizeof verdict;
    verdict.reason = reason;
    verdict.length = length;
    char text[IDN_REASON_MESSAGE_SIZE];
    size_t written = 0;
    const int status = idn_reason_message(&verdict, text, sizeof text, &written);
    if (status != IDN_OK) raiseStatus("idn_reason_message", status);
    PyObject* message = newText(text, written);
    if (length < 256) {
        kept[reason][length] = message;
    } else {
        fresh = true;
    }
    return message;
}

// ---- Region codes ------------------------------------------------------------------

idn_region_info_t regionInfo(int32_t code, int birthYear) {
    idn_region_info_t info{};
    info.size = sizeof info;
    const int status = idn_region_info(code, birthYear, &info);
    if (status != IDN_OK) raiseStatus("idn_region_info", status);
    return info;
}

// Keeps the span of an answer that holds for `year`. Never runs Python code,
// so under the GIL no other thread sees an entry half set.
void keepSpan(RegionEntry& entry, const idn_region_info_t& info, int year) {
    if (year < info.years_from || year > info.years_to) return;  // asked again next time
    int slot = entry.spanCount;
    if (slot == RegionEntry::spanSlots) {
        slot = entry.spanNext;
        entry.spanNext = static_cast<uint8_t>((slot + 1) % RegionEntry::spanSlots);
    } else {
        ++entry.spanCount;
    }
    entry.spanFrom[slot] = info.years_from;
    entry.spanTo[slot] = info.years_to;
    entry.spanInUse[slot] = info.in_use_at_birth != 0;
}

// Asks the library for a year no kept span holds, and keeps the answer's.
[[gnu::noinline]] bool askInUseAtBirth(RegionEntry& entry, int year) {
    const idn_region_info_t info = regionInfo(entry.code, year);
    keepSpan(entry, info, year);
    return info.in_use_at_birth != 0;
}

// Every slot is compared, without a branch on which one holds the year: the
// birth years of a batch come in no order.
inline bool entryInUseAtBirth(RegionEntry& entry, int year) {
    int found = 0, inUse = 0;
    for (int s = 0; s < RegionEntry::spanSlots; ++s) {
        const int holds = (year >= entry.spanFrom[s]) & (year <= entry.spanTo[s]);
        found |= holds;
        inUse |= holds & entry.spanInUse[s];
    }
    return found != 0 ? inUse != 0 : askInUseAtBirth(entry, year);
}

PyObject* historyTuple(int32_t code) {
    const size_t count = idn_history_count(code);
    if (count == 0) return newReference(emptyTuple());
    py::object tuple = py::reinterpret_steal<py::object>(PyTuple_New(static_cast<Py_ssize_t>(count)));
    if (!tuple) throw py::error_already_set();
    for (size_t i = 0; i < count; ++i) {
        idn_history_record_t record{};
        record.size = sizeof record;
        const int status = idn_history_at(code, i, &record);
        if (status != IDN_OK) raiseStatus("idn_history_at", status);
        PyObject* until = record.until != 0 ? newInteger(record.until) : newReference(Py_None);
        PyTuple_SET_ITEM(tuple.ptr(), static_cast<Py_ssize_t>(i),
                         newInstance(types.historyRecord, newInteger(record.code),
                                     newReference(constantText(record.name)),
                                     newReference(constantText(record.province)),
                                     newReference(constantText(record.prefecture)),
                                     newReference(constantText(record.level)), newInteger(record.from), until));
    }
    return tuple.release().ptr();
}

PyObject* successorsTuple(int32_t code) {
    idn_successor_t successors[IDN_MAX_SUCCESSORS];
    successors[0].size = sizeof successors[0];  // and the step between entries
    size_t count = 0;
    const int status = idn_successors(code, successors, IDN_MAX_SUCCESSORS, &count);
    if (status != IDN_OK) raiseStatus("idn_successors", status);
    if (count == 0) return newReference(emptyTuple());
    py::object tuple = py::reinterpret_steal<py::object>(PyTuple_New(static_cast<Py_ssize_t>(count)));
    if (!tuple) throw py::error_already_set();
    for (size_t i = 0; i < count; ++i) {
        PyTuple_SET_ITEM(tuple.ptr(), static_cast<Py_ssize_t>(i),
                         newInstance(types.successor, newInteger(successors[i].code),
                                     newReference(constantText(successors[i].name)),
                                     newReference(constantText(idn_code_status_name(successors[i].status)))));
    }
    return tuple.release().ptr();
}

PyObject* nowTuple(int32_t code) {
    idn_present_code_t codes[IDN_MAX_NOW_CODES];
    codes[0].size = sizeof codes[0];  // and the step between entries
    size_t count = 0;
    const int status = idn_now_codes(code, codes, IDN_MAX_NOW_CODES, &count);
    if (status != IDN_OK) raiseStatus("idn_now_codes", status);
    if (count == 0) return newReference(emptyTuple());
    py::object tuple = py::reinterpret_steal<py::object>(PyTuple_New(static_cast<Py_ssize_t>(count)));
    if (!tuple) throw py::error_already_set();
    for (size_t i = 0; i < count; ++i) {
        PyTuple_SET_ITEM(tuple.ptr(), static_cast<Py_ssize_t>(i),
                         newInstance(types.presentCode, newInteger(codes[i].code),
                                     newReference(constantText(codes[i].name))));
    }
    return tuple.release().ptr();
}

// A new reference to the Nationality of a foreigner's card's code, or None.
PyObject* nationalityObject(const idn_region_info_t& info) {
    if (info.kind != IDN_KIND_FOREIGNER_CARD) return newReference(Py_None);
    char digits[4];
    const int32_t code = info.nationality_code;
    digits[0] = static_cast<char>('0' + code / 100 % 10);
    digits[1] = static_cast<char>('0' + code / 10 % 10);
    digits[2] = static_cast<char>('0' + code % 10);
    return newInstance(types.nationality, newText(digits, 3), newReference(optionalConstantText(info.nationality)));
}

// Entries of six-digit codes, made on first use and kept: a deque, so an
// entry's address never changes. Codes index a table of a million slots (4
// MB, made on first use). Real data names a few thousand codes; valid numbers
// of every possible code would make a million entries of 128 bytes, whose
// texts and empty tuples are shared.
constexpr int32_t codeSlots = 1000000;
std::vector<uint32_t> entrySlots;
std::deque<RegionEntry> entries;

// The entry of a code, made with the library's answer for `birthYear`.
RegionEntry& regionEntry(int32_t code, int birthYear) {
    if (code < 0 || code >= codeSlots) throw std::runtime_error("region code out of range");
    if (entrySlots.empty()) entrySlots.assign(codeSlots, 0);
    if (entrySlots[code] != 0) return entries[entrySlots[code] - 1];
    needTypes();
    const idn_region_info_t info = regionInfo(code, birthYear);
    // The tuples are made first: making a NamedTuple runs Python code, and
    // another thread may make the same entry meanwhile.
    const py::object history = py::reinterpret_steal<py::object>(historyTuple(code));
    const py::object successors = py::reinterpret_steal<py::object>(successorsTuple(code));
    const py::object now = py::reinterpret_steal<py::object>(nowTuple(code));
    const py::object nationality = py::reinterpret_steal<py::object>(nationalityObject(info));
    if (entrySlots[code] != 0) return entries[entrySlots[code] - 1];
    RegionEntry entry{};
    entry.code = code;
    entry.index = static_cast<uint32_t>(entries.size());
    entry.province() = constantText(info.province);
    entry.city() = constantText(info.city);
    entry.county() = constantText(info.county);
    entry.status() = constantText(idn_code_status_name(info.status));
    entry.history() = history.ptr();
    entry.successors() = successors.ptr();
    entry.now() = now.ptr();
    entry.nationality = nationality.ptr();
    for (int s = 0; s < RegionEntry::spanSlots; ++s) {
        entry.spanFrom[s] = std::numeric_limits<int32_t>::max();
        entry.spanTo[s] = std::numeric_limits<int32_t>::min();
    }
    keepSpan(entry, info, birthYear);
    entries.push_back(entry);
    entrySlots[code] = static_cast<uint32_t>(entries.size());
    // Kept for the life of the process.
    history.inc_ref();
    successors.inc_ref();
    now.inc_ref();
    nationality.inc_ref();
    return entries.back();
}

// Fetches into the cache the slot of a code (`slot`) or the entry it names
// (`entry`), when there is one, rows before the row that reads it.
inline void prefetchSlot(int32_t code) {
    if (!entrySlots.empty() && code >= 0 && code < codeSlots) __builtin_prefetch(&entrySlots[code]);
}

inline void prefetchEntry(int32_t code) {
    if (entrySlots.empty() || code < 0 || code >= codeSlots || entrySlots[code] == 0) return;
    const char* entry = reinterpret_cast<const char*>(&entries[entrySlots[code] - 1]);
    __builtin_prefetch(entry);
    __builtin_prefetch(entry + 64);
}

// ---- Dates --------------------------------------------------------------------

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil).
int64_t daysFromCivil(int year, int month, int day) {
    const int64_t y = year - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The date of a count of days since 1970-01-01 (H. Hinnant's
// civil_from_days).
struct CivilDate {
    int year;
    int month;
    int day;
};

CivilDate civilFromDays(int64_t days) {
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shifted = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    const int month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

// ---- One verdict -------------------------------------------------------------------

// A verdict in 16 bytes, as a chunk keeps it between its passes.
constexpr uint8_t nullRow = 0xFF;  // reason of a missing item

struct Row {
    int32_t code;
    int16_t year;
    int8_t month;
    int8_t day;
    uint8_t reason;
    uint8_t kind;
    uint8_t sex;
    char check;
    uint8_t hint;
};

// Where one item's bytes are: its first `held` bytes (at least
// min(length, IDN_INPUT_HELD_BYTES)) of `length`.
struct Text {
    const char* data;
    size_t held;
    uint64_t length;
};

// The holder's age on a date of the calendar (idn_age_on), or noAge.
constexpr int32_t noAge = -1;

int32_t ageOn(const idn_verdict_t& verdict, const CivilDate& on) {
    int32_t age = noAge;
    const int status = idn_age_on(&verdict, on.year, on.month, on.day, &age);
    return status == IDN_OK ? age : noAge;
}

// `year` resolved (1-9999, never 0); writes the numberLength characters of a
// fifteen-digit text's upgrade into `upgraded` when it is not null, and the
// age on the date `ageDate` into `age` when that is not null.
Row rowOf(const Text& text, int year, bool withHint, char* upgraded, const CivilDate* ageDate = nullptr,
          int32_t* age = nullptr) {
    idn_verdict_t verdict{};
    verdict.size = sizeof verdict;
    const int status = idn_verify_prefix(text.data, text.held, text.length, year, &verdict);
    Row row{};
    if (status != IDN_OK) {  // not for a resolved year and a prefix held whole
        row.reason = nullRow;
        return row;
    }
    row.reason = static_cast<uint8_t>(verdict.reason);
    row.check = static_cast<char>(verdict.expected_check);
    if (verdict.reason == IDN_VALID) {
        row.code = verdict.region_code;
        row.year = static_cast<int16_t>(verdict.birth_year);
        row.month = static_cast<int8_t>(verdict.birth_month);
        row.day = static_cast<int8_t>(verdict.birth_day);
        row.kind = static_cast<uint8_t>(verdict.kind);
        row.sex = static_cast<uint8_t>(verdict.sex);
        if (ageDate != nullptr) *age = ageOn(verdict, *ageDate);
    } else if (withHint) {
        int32_t hint = IDN_HINT_NONE;
        char number[IDN_NUMBER_SIZE];
        if (idn_hint_of_prefix(text.data, text.held, text.length, year, &hint, number, sizeof number, nullptr) ==
            IDN_OK) {
            row.hint = static_cast<uint8_t>(hint);
            if (hint == IDN_HINT_FIFTEEN_DIGITS && upgraded != nullptr) std::memcpy(upgraded, number, numberLength);
        }
    }
    return row;
}

// The object fields of a verdict, in Verdict's order but for valid,
// birth_date and in_use_at_birth, which are not objects in a batch.
enum ObjectField {
    reasonField,
    messageField,
    checkField,
    hintField,
    upgradedField,
    kindField,
    nationalityField,
    birthTextField,
    sexField,
    provinceField,
    cityField,
    countyField,
    statusField,
    historyField,
    successorsField,
    nowField,
    objectFieldCount
};

const char* const objectFieldNames[objectFieldCount] = {
    "reason", "message", "expected_check", "hint",     "upgraded", "kind",   "nationality", "birth_date_text",
    "sex",    "province", "city",          "county",   "code_status", "history", "successors", "now"};

// The fields a valid number takes from its region's entry, whose references
// a batch counts once per chunk.
constexpr ObjectField entryFields[] = {provinceField, cityField,      countyField, statusField,
                                       historyField,  successorsField, nowField};

static_assert(nowField - provinceField == 6, "the entry's objects are in ObjectField order");

PyObject* entryObject(const RegionEntry& entry, ObjectField f) { return entry.objects[f - provinceField]; }

// "YYYYMMDD" of a valid number's date.
PyObject* newBirthText(const Row& row) {
    char text[8];
    const int parts[] = {row.year / 100, row.year % 100, row.month, row.day};
    for (int i = 0; i < 4; ++i) {
        text[2 * i] = static_cast<char>('0' + parts[i] / 10);
        text[2 * i + 1] = static_cast<char>('0' + parts[i] % 10);
    }
    return newText(text, sizeof text);
}

int resolvedYear(int yearLimit) { return yearLimit != 0 ? yearLimit : idn_current_year(); }

// A year limit from Python: 0 (the clock's year) or 1 to IDN_YEAR_LIMIT_MAX,
// as the C API takes it; otherwise IdNumberError with the library's message.
int yearLimitOf(const py::object& value) {
    if (value.is_none()) return 0;
    int overflow = 0;
    const long long limit = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
    if (limit == -1 && PyErr_Occurred()) throw py::error_already_set();
    idn_verdict_t verdict{};
    verdict.size = sizeof verdict;
    if (overflow == 0 && limit >= std::numeric_limits<int>::min() && limit <= std::numeric_limits<int>::max() &&
        idn_verify("", 0, static_cast<int>(limit), &verdict) == IDN_OK)
        return static_cast<int>(limit);
    refuseNumber(IDN_ERROR_YEAR_LIMIT, value, IDN_OPTION_YEAR_LIMIT);
}

// ---- Verify: one number ----------------------------------------------------------------

// A Verdict made from its fields in order, stolen. It is made as
// object.__new__ makes it and its slots set through their descriptors, as
// object.__setattr__ would: the frozen dataclass's __init__ costs twice
// the verification.
py::object newVerdict(std::initializer_list<PyObject*> fields) {
    std::vector<py::object> owned;
    owned.reserve(fields.size());
    for (PyObject* field : fields) owned.push_back(py::reinterpret_steal<py::object>(field));
    if (owned.size() != types.verdictSlots.size()) throw std::runtime_error("Verdict's fields changed");
    auto* type = reinterpret_cast<PyTypeObject*>(types.verdict);
    py::object verdict = py::reinterpret_steal<py::object>(PyBaseObject_Type.tp_new(type, emptyTuple(), nullptr));
    if (!verdict) throw py::error_already_set();
    for (size_t i = 0; i < owned.size(); ++i) {
        PyObject* slot = types.verdictSlots[i];
        if (Py_TYPE(slot)->tp_descr_set(slot, verdict.ptr(), owned[i].ptr()) != 0) throw py::error_already_set();
    }
    return verdict;
}

// The text's bytes, for verification: in place, or its prefix in `buffer`.
Text textOf(PyObject* object, char (&buffer)[prefixCapacity], const char* what) {
    if (PyBytes_Check(object))
        return {PyBytes_AS_STRING(object), static_cast<size_t>(PyBytes_GET_SIZE(object)),
                static_cast<uint64_t>(PyBytes_GET_SIZE(object))};
    if (PyUnicode_Check(object)) {
        if (isCompactAscii(object))
            return {static_cast<const char*>(PyUnicode_DATA(object)), static_cast<size_t>(PyUnicode_GET_LENGTH(object)),
                    static_cast<uint64_t>(PyUnicode_GET_LENGTH(object))};
        uint64_t total = 0;
        const size_t held = strPrefix(object, buffer, total);
        return {buffer, held, total};
    }
    PyErr_Format(PyExc_TypeError, "%s takes str or bytes, not %s", what, typeName(object));
    throw py::error_already_set();
}

// verify(text, year_limit): the Verdict on one str or bytes.
py::object verifyOne(const py::object& value, const py::object& yearLimitValue) {
    needTypes();
    char buffer[prefixCapacity];
    const Text text = textOf(value.ptr(), buffer, "verify");
    const int year = resolvedYear(yearLimitOf(yearLimitValue));
    char upgraded[numberLength];
    const Row row = rowOf(text, year, true, upgraded);
    if (row.reason == nullRow) throw std::runtime_error("idn_verify_prefix refused a text it was given whole");
    const bool isValid = row.reason == IDN_VALID;
    auto none = [] { return newReference(Py_None); };
    if (!isValid) {
        bool freshMessage = false;
        PyObject* message = messageObject(row.reason, text.length, freshMessage);
        if (!freshMessage) Py_INCREF(message);
        PyObject* upgradedText = row.hint == IDN_HINT_FIFTEEN_DIGITS ? newText(upgraded, numberLength) : none();
        return newVerdict({newReference(Py_False), newReference(reasonObject(row.reason)), message,
                           newReference(checkObject(row.check)), newReference(hintObject(row.hint)), upgradedText,
                           none(), none(), none(), none(), none(), none(), none(), none(), none(), none(), none(),
                           none(), none()});
    }
    const py::object birthText = py::reinterpret_steal<py::object>(newBirthText(row));
    PyObject* birthDate = Py_None;
    if (idn_is_calendar_date(row.year, row.month, row.day) == 1) {
        birthDate = PyDate_FromDate(row.year, row.month, row.day);
        if (birthDate == nullptr) throw py::error_already_set();
    } else {
        Py_INCREF(Py_None);
    }
    const py::object date = py::reinterpret_steal<py::object>(birthDate);
    RegionEntry& entry = regionEntry(row.code, row.year);
    PyObject* nationality = entry.nationality;
    PyObject* inUse = entryInUseAtBirth(entry, row.year) ? Py_True : Py_False;
    return newVerdict({newReference(Py_True), none(), none(), newReference(checkObject(row.check)), none(), none(),
                       newReference(kindObject(row.kind)), newReference(nationality), date.inc_ref().ptr(),
                       birthText.inc_ref().ptr(), newReference(sexObject(row.sex)), newReference(entry.province()),
                       newReference(entry.city()), newReference(entry.county()), newReference(entry.status()),
                       newReference(entry.history()), newReference(entry.successors()), newReference(entry.now()),
                       newReference(inUse)});
}

// ---- Ages --------------------------------------------------------------------------------

// The age of a Verdict's holder on year-month-day (a datetime.date's), from
// the Verdict's reason (None when valid) and birth_date_text; None for no
// age.
py::object ageOfVerdict(const py::object& reason, const py::object& birthText, int year, int month, int day) {
    idn_verdict_t verdict{};
    verdict.size = sizeof verdict;
    if (reason.is_none()) {
        const std::string digits = PyUnicode_Check(birthText.ptr()) ? birthText.cast<std::string>() : "";
        bool eightDigits = digits.size() == 8;
        for (const char c : digits) eightDigits = eightDigits && c >= '0' && c <= '9';
        if (!eightDigits) {
            PyErr_SetString(PyExc_ValueError, "age: a valid verdict's birth_date_text is eight digits, YYYYMMDD");
            throw py::error_already_set();
        }
        auto number = [&digits](size_t at, size_t length) { return std::stoi(digits.substr(at, length)); };
        verdict.reason = IDN_VALID;
        verdict.birth_year = number(0, 4);
        verdict.birth_month = number(4, 2);
        verdict.birth_day = number(6, 2);
    } else {
        const std::string name = PyUnicode_Check(reason.ptr()) ? reason.cast<std::string>() : "";
        verdict.reason = -1;
        for (int r = IDN_VALID + 1; r <= IDN_REASON_DATE; ++r)
            if (name == idn_reason_name(r)) verdict.reason = r;
        if (verdict.reason < 0) {
            PyErr_Format(PyExc_ValueError, "age: no verdict has the reason %R", reason.ptr());
            throw py::error_already_set();
        }
    }
    int32_t age = noAge;
    const int status = idn_age_on(&verdict, year, month, day, &age);
    if (status == IDN_ERROR_NOT_FOUND) return py::none();
    if (status != IDN_OK) raiseStatus("idn_age_on", status);  // a datetime.date is a calendar date
    return py::int_(age);
}

// Today's date on the local clock, as the library reads it.
py::object today() {
    int32_t year = 0, month = 0, day = 0;
    const int status = idn_current_date(&year, &month, &day);
    if (status != IDN_OK) raiseStatus("idn_current_date", status);
    PyObject* date = PyDate_FromDate(year, month, day);
    if (date == nullptr) throw py::error_already_set();
    return py::reinterpret_steal<py::object>(date);
}

// ---- Verify: a batch -------------------------------------------------------------------------

constexpr size_t chunkRows = 16384;
// How many rows ahead a row's region entry and date are fetched, and a
// list's item.
constexpr size_t prefetchRows = 8;
constexpr size_t prefetchItems = 8;
// A chunk's strings may be long: signals are checked again after reading
// this many code units of them.
constexpr uint64_t scanBudget = 64u << 20;

bool isMissing(PyObject* item) {
    if (item == Py_None) return true;
    if (PyFloat_Check(item)) return std::isnan(PyFloat_AS_DOUBLE(item));
    for (PyObject* marker : types.missing)
        if (item == marker) return true;
    return false;
}

// The items of a batch, whichever container holds them, and the number of
// each. A list is read chunk by chunk as it is when the chunk's turn comes
// (another thread may change it while a chunk is verified without the GIL);
// a list whose length changes meanwhile is refused. Any other iterable is
// first collected into a list of the batch's own.
class Source {
public:
    enum Kind { objectPointers, objectArray, bytesArray, unicodeArray };

    explicit Source(const py::object& values) {
        PyObject* object = values.ptr();
        if (py::isinstance<py::array>(values)) {
            takeArray(py::reinterpret_borrow<py::array>(values));
        } else if (PyList_Check(object) || PyTuple_Check(object)) {
            owner_ = values;
            kind_ = objectPointers;
            count_ = static_cast<size_t>(PySequence_Fast_GET_SIZE(object));
        } else {
            collect(object);
        }
    }

    // Checks, before a chunk is read, that a list has the length it had.
    void checkLength() const {
        if (kind_ != objectPointers || static_cast<size_t>(PySequence_Fast_GET_SIZE(owner_.ptr())) == count_)
            return;
        PyErr_SetString(PyExc_RuntimeError, "verify_many: the list changed length while it was verified");
        throw py::error_already_set();
    }

    Kind kind() const { return kind_; }
    size_t count() const { return count_; }
    size_t width() const { return width_; }
    PyObject* item(size_t i) const {
        if (kind_ == objectPointers) return PySequence_Fast_ITEMS(owner_.ptr())[i];
        PyObject* item = nullptr;
        std::memcpy(&item, element(i), sizeof item);
        return item != nullptr ? item : Py_None;
    }
    const char* element(size_t i) const { return base_ + static_cast<Py_ssize_t>(i) * stride_; }

private:
    void takeArray(py::array array) {
        if (array.ndim() != 1) {
            PyErr_Format(PyExc_ValueError, "verify_many takes a one-dimensional array, not %zd-dimensional",
                         static_cast<Py_ssize_t>(array.ndim()));
            throw py::error_already_set();
        }
        const char type = array.dtype().kind();
        if (type == 'U' && !array.dtype().attr("isnative").cast<bool>()) {
            // UCS-4 of the other byte order: read a native copy.
            array = py::array(array.attr("astype")(array.dtype().attr("newbyteorder")("=")));
        }
        if (type == 'U') {
            kind_ = unicodeArray;
        } else if (type == 'S') {
            kind_ = bytesArray;
        } else if (type == 'O') {
            kind_ = objectArray;
        } else {
            const std::string dtype = py::str(array.dtype()).cast<std::string>();
            PyErr_Format(PyExc_TypeError,
                         "verify_many: an array of %s holds no texts; an identity number is a text (read the "
                         "column as str, since a number loses its X and leading zeros)",
                         dtype.c_str());
            throw py::error_already_set();
        }
        // The array is referenced, so its memory stays; NumPy refuses to
        // resize an array that is referenced.
        owner_ = array;
        base_ = static_cast<const char*>(array.data());
        stride_ = array.strides(0);
        width_ = static_cast<size_t>(array.itemsize());
        count_ = static_cast<size_t>(array.shape(0));
    }

    // Any other iterable, into a list of its items; its length hint is not
    // trusted (the list grows as items come).
    void collect(PyObject* values) {
        PyObject* iterator = PyObject_GetIter(values);
        if (iterator == nullptr) {
            if (!PyErr_ExceptionMatches(PyExc_TypeError)) throw py::error_already_set();
            PyErr_Clear();
            PyErr_Format(PyExc_TypeError, "verify_many takes an iterable of str or bytes, not %s",
                         typeName(values));
            throw py::error_already_set();
        }
        const py::object owner = py::reinterpret_steal<py::object>(iterator);
        owner_ = py::reinterpret_steal<py::object>(PyList_New(0));
        if (!owner_) throw py::error_already_set();
        size_t taken = 0;
        while (PyObject* item = PyIter_Next(iterator)) {
            const int appended = PyList_Append(owner_.ptr(), item);
            Py_DECREF(item);
            if (appended != 0) throw py::error_already_set();
            if (++taken % chunkRows == 0) checkSignals();
        }
        if (PyErr_Occurred()) throw py::error_already_set();
        kind_ = objectPointers;
        count_ = static_cast<size_t>(PyList_GET_SIZE(owner_.ptr()));
    }

    py::object owner_;
    Kind kind_ = objectPointers;
    const char* base_ = nullptr;
    Py_ssize_t stride_ = 0;
    size_t width_ = 0;
    size_t count_ = 0;
};

// A chunk's items: where their bytes are. A str's or a bytes object's first
// bytes (all a verdict reads) are copied into the chunk's buffer, one after
// the other, so that no item is referenced while the GIL is released and
// each item is read once; the elements of a bytes array are read in place
// (the array is the batch's own reference), those of a str array encoded
// into the buffer.
class ChunkItems {
public:
    explicit ChunkItems(size_t rows) : texts(rows), missing(rows), buffer_(new char[rows * prefixCapacity]) {}
    ChunkItems(const ChunkItems&) = delete;
    ChunkItems& operator=(const ChunkItems&) = delete;

    std::vector<Text> texts;
    std::vector<uint8_t> missing;

    // Locates the items start to start + rows of the source: raises
    // TypeError naming the position of an item that is no text.
    void take(const Source& source, size_t start, size_t rows) {
        source.checkLength();
        char* out = buffer_.get();
        uint64_t scanned = 0;
        for (size_t r = 0; r < rows; ++r) {
            Text& text = texts[r];
            missing[r] = 0;
            switch (source.kind()) {
            case Source::bytesArray: {
                const char* element = source.element(start + r);
                size_t length = source.width();
                while (length > 0 && element[length - 1] == '\0') --length;
                text = {element, length, length};
                break;
            }
            case Source::unicodeArray: {
                const char* element = source.element(start + r);
                size_t characters = source.width() / 4;
                auto unit = [element](size_t k) {
                    uint32_t c = 0;
                    std::memcpy(&c, element + k * 4, 4);
                    return c;
                };
                while (characters > 0 && unit(characters - 1) == 0) --characters;
                // The element's code points, aligned for reading in place
                // when the array's are.
                uint64_t total = 0;
                size_t held = 0;
                if (reinterpret_cast<uintptr_t>(element) % alignof(uint32_t) == 0) {
                    held = encodePrefix(reinterpret_cast<const uint32_t*>(element), characters, out, total);
                } else {
                    uint32_t units[prefixCapacity];
                    const size_t first = characters < prefixCapacity ? characters : prefixCapacity;
                    for (size_t k = 0; k < first; ++k) units[k] = unit(k);
                    held = encodePrefix(units, first, out, total);
                    for (size_t k = first; k < characters; ++k) total += utf8Length(unit(k));
                }
                text = {out, held, total};
                out += held;
                scanned += characters;
                break;
            }
            default: {
                // The objects of the rows ahead are fetched into the cache:
                // a list's items may lie anywhere in memory.
                if (r + prefetchItems < rows) {
                    const uintptr_t ahead = reinterpret_cast<uintptr_t>(source.item(start + r + prefetchItems));
                    __builtin_prefetch(reinterpret_cast<const void*>(ahead));
                    __builtin_prefetch(reinterpret_cast<const void*>(ahead + 64));
                }
                PyObject* item = source.item(start + r);
                if (PyUnicode_Check(item)) {
                    if (isCompactAscii(item)) {
                        text = copied(static_cast<const char*>(PyUnicode_DATA(item)),
                                      static_cast<size_t>(PyUnicode_GET_LENGTH(item)), out);
                    } else {
                        uint64_t total = 0;
                        const size_t held = strPrefix(item, out, total);
                        text = {out, held, total};
                        out += held;
                        scanned += static_cast<uint64_t>(PyUnicode_GET_LENGTH(item));
                    }
                } else if (PyBytes_Check(item)) {
                    text = copied(PyBytes_AS_STRING(item), static_cast<size_t>(PyBytes_GET_SIZE(item)), out);
                } else if (isMissing(item)) {
                    text = {nullptr, 0, 0};
                    missing[r] = 1;
                } else {
                    const bool number = PyLong_Check(item) || PyFloat_Check(item) || PyNumber_Check(item);
                    PyErr_Format(PyExc_TypeError, "verify_many: item %zu is %s, not str or bytes%s", start + r,
                                 typeName(item),
                                 number ? " (an identity number is a text: read the column as str, since a "
                                          "number loses its X and leading zeros)"
                                        : "");
                    throw py::error_already_set();
                }
            }
            }
            if (scanned > scanBudget) {
                checkSignals();
                scanned = 0;
            }
        }
    }

private:
    // The first bytes of a text of `length` bytes, copied to `out`, which
    // moves past them.
    static Text copied(const char* data, size_t length, char*& out) {
        const size_t held = length < IDN_INPUT_HELD_BYTES ? length : IDN_INPUT_HELD_BYTES;
        std::memcpy(out, data, held);
        const Text text{out, held, length};
        out += held;
        return text;
    }

    // Written before read; left uninitialised.
    std::unique_ptr<char[]> buffer_;
};

// References stored in a batch's cells but not yet counted, all the batch's
// own. The objects of region entries and the birth-date texts are thousands,
// spread over memory: incrementing their counts cell by cell misses the cache
// on nearly every row. So each stored cell adds a use here, and the uses are
// added to the objects' counts at the end of the batch, or when an error ends
// it early (so that the cells stored hold counted references when the
// columns are released: this object must be destroyed before they are).
// Until then the objects are kept alive by their entries, which live as long
// as the process, and by this object's table of dates; and no other code
// sees the columns, whatever runs between chunks.
class DeferredReferences {
public:
    explicit DeferredReferences(std::vector<ObjectField> entryColumns) : entryColumns_(std::move(entryColumns)) {}
    DeferredReferences(const DeferredReferences&) = delete;
    DeferredReferences& operator=(const DeferredReferences&) = delete;
    ~DeferredReferences() {
        apply();
        for (auto& page : pages_) {
            if (!page) continue;
            for (size_t i = 0; i < datesPerYear; ++i) Py_XDECREF(page[i].text);
        }
    }

    // The shared text of a valid row's date, made on first use, and one more
    // cell that holds it; or, past the pages a batch may make, a new
    // reference of its own (`fresh` set).
    PyObject* useDate(const Row& row, bool& fresh) {
        fresh = false;
        if (pages_.empty()) pages_.resize(IDN_YEAR_LIMIT_MAX + 1);
        auto& page = pages_[static_cast<size_t>(row.year)];
        if (!page) {
            if (pageCount_ == maxPages) {
                fresh = true;
                return newBirthText(row);
            }
            page.reset(new SharedDate[datesPerYear]());
            ++pageCount_;
        }
        SharedDate& date = page[static_cast<size_t>(row.month * 32 + row.day)];
        if (date.text == nullptr) date.text = newBirthText(row);
        if (date.uses++ == 0) touchedDates_.push_back(&date);
        return date.text;
    }

    // Fetches the shared text of a valid row's date into the cache, when
    // it is there.
    void prefetchDate(const Row& row) const {
        if (pages_.empty()) return;
        const auto& page = pages_[static_cast<size_t>(row.year)];
        if (page) __builtin_prefetch(&page[static_cast<size_t>(row.month * 32 + row.day)]);
    }

    // `cells` more cells that hold None.
    void useNone(size_t cells) { nones_ += static_cast<Py_ssize_t>(cells); }

    void useEntry(const RegionEntry& entry) {
        if (entryColumns_.empty()) return;
        if (entry.index >= entryUses_.size()) entryUses_.resize(entries.size(), 0);
        if (entryUses_[entry.index]++ == 0) touchedEntries_.push_back(entry.index);
    }

    // Counts the uses; never runs Python code.
    void apply() {
        Py_SET_REFCNT(Py_None, Py_REFCNT(Py_None) + nones_);
        nones_ = 0;
        for (const uint32_t index : touchedEntries_) {
            const RegionEntry& entry = entries[index];
            const Py_ssize_t uses = entryUses_[index];
            for (const ObjectField f : entryColumns_) {
                PyObject* const object = entryObject(entry, f);
                Py_SET_REFCNT(object, Py_REFCNT(object) + uses);
            }
            entryUses_[index] = 0;
        }
        touchedEntries_.clear();
        for (SharedDate* date : touchedDates_) {
            Py_SET_REFCNT(date->text, Py_REFCNT(date->text) + date->uses);
            date->uses = 0;
        }
        touchedDates_.clear();
    }

private:
    struct SharedDate {
        PyObject* text;
        uint32_t uses;
    };
    // Month 0-12 and day 0-31 of one year.
    static constexpr size_t datesPerYear = 13 * 32;
    // Birth years a batch shares texts of: real data spans about a century.
    static constexpr size_t maxPages = 1024;

    std::vector<ObjectField> entryColumns_;
    std::vector<uint32_t> entryUses_;
    std::vector<uint32_t> touchedEntries_;
    std::vector<std::unique_ptr<SharedDate[]>> pages_;
    size_t pageCount_ = 0;
    std::vector<SharedDate*> touchedDates_;
    Py_ssize_t nones_ = 0;
};

template <typename T>
py::array_t<T> newColumn(size_t count) {
    return py::array_t<T>(static_cast<py::ssize_t>(count));
}

// Stores a cell of a column past the cache (the cell is not read again
// here); storesDone() orders the stores before anything after it.
inline void storeCell(PyObject** cell, PyObject* object) {
#if defined(__x86_64__)
    _mm_stream_si64(reinterpret_cast<long long*>(cell), reinterpret_cast<long long>(object));
#else
    *cell = object;
#endif
}

inline void storesDone() {
#if defined(__x86_64__)
    _mm_sfence();
#endif
}

// A column of names, one per value of a byte of the row: reasons, check
// characters, hints, kinds, sexes (None for 0 and for a row of nulls).
struct NameColumn {
    ObjectField field;
    uint8_t (*key)(const Row&);
    PyObject* (*name)(int);
};

const NameColumn allNameColumns[] = {
    {reasonField, [](const Row& row) -> uint8_t { return row.reason; }, [](int key) { return reasonObject(key); }},
    {checkField, [](const Row& row) -> uint8_t { return static_cast<uint8_t>(row.check); },
     [](int key) { return checkObject(static_cast<char>(key)); }},
    {hintField, [](const Row& row) -> uint8_t { return row.hint; }, [](int key) { return hintObject(key); }},
    {kindField, [](const Row& row) -> uint8_t { return row.kind; }, [](int key) { return kindObject(key); }},
    {sexField, [](const Row& row) -> uint8_t { return row.sex; }, [](int key) { return sexObject(key); }},
};

// A wanted column of names and its names by key, made when the batch begins.
struct NameTable {
    ObjectField field;
    uint8_t (*key)(const Row&);
    PyObject* names[256];
};

// Fills a chunk's cells of a column of names and counts their references;
// returns the cells that hold None. Never raises.
Py_ssize_t fillNames(const NameTable& column, PyObject** out, const Row* rows, size_t count) {
    Py_ssize_t uses[256] = {};
    for (size_t r = 0; r < count; ++r) {
        const uint8_t key = column.key(rows[r]);
        storeCell(out + r, column.names[key]);
        ++uses[key];
    }
    Py_ssize_t nones = 0;
    for (int key = 0; key < 256; ++key) {
        if (uses[key] == 0) continue;
        PyObject* const name = column.names[key];
        if (name == Py_None) {
            nones += uses[key];
        } else {
            Py_SET_REFCNT(name, Py_REFCNT(name) + uses[key]);
        }
    }
    return nones;
}

// The dates of a batch's ages: days since 1970-01-01, one for every row or
// one a row, NaT for none.
class AgeDates {
public:
    // `days`: None (no ages), or an int64 array of days, of no dimension (the
    // date of every row) or of one with `count`, each NaT or from 0001-01-01
    // to 9999-12-31 (datetime.date's dates); ValueError otherwise.
    AgeDates(const py::object& days, size_t count) {
        if (days.is_none()) return;
        days_ = py::array_t<int64_t, py::array::c_style | py::array::forcecast>::ensure(days);
        if (!days_) throw py::error_already_set();
        if (days_.ndim() > 1 || (days_.ndim() == 1 && static_cast<size_t>(days_.size()) != count)) {
            PyErr_Format(PyExc_ValueError,
                         "verify_many: the numbers are %zu and age_on's dates %zd: give one date, or one for each "
                         "number",
                         count, static_cast<Py_ssize_t>(days_.size()));
            throw py::error_already_set();
        }
        wanted_ = true;
        data_ = days_.data();
        step_ = days_.ndim() == 0 ? 0 : 1;
        const int64_t first = daysFromCivil(1, 1, 1), last = daysFromCivil(IDN_YEAR_LIMIT_MAX, 12, 31);
        for (py::ssize_t i = 0; i < days_.size(); ++i) {
            if (data_[i] != notATime && (data_[i] < first || data_[i] > last)) {
                PyErr_Format(PyExc_ValueError,
                             "verify_many: age_on holds a date outside 0001-01-01 to 9999-12-31, at row %zd", i);
                throw py::error_already_set();
            }
        }
        if (step_ == 0 && data_[0] != notATime) first_ = civilFromDays(data_[0]);
    }

    bool wanted() const { return wanted_; }

    // The date of row i, or null for none.
    const CivilDate* of(size_t i, CivilDate& date) const {
        if (step_ == 0) return data_[0] != notATime ? &first_ : nullptr;
        if (data_[i] == notATime) return nullptr;
        date = civilFromDays(data_[i]);
        return &date;
    }

private:
    py::array_t<int64_t, py::array::c_style | py::array::forcecast> days_;
    bool wanted_ = false;
    const int64_t* data_ = nullptr;
    size_t step_ = 0;
    CivilDate first_{};
};

// The batch's columns: valid and missing (the rows of nulls) as NumPy bool
// arrays, birth_date (days, or nanoseconds since 1970) and in_use_at_birth
// when asked for, the object fields named in `wanted` (None: all), and the
// ages (int32, noAge for none) on the dates of `ageDays` unless it is None.
py::dict verifyBatch(const py::object& values, bool nanoseconds, const py::object& wanted,
                     const py::object& yearLimitValue, const py::object& ageDays) {
    needTypes();
    const int year = resolvedYear(yearLimitOf(yearLimitValue));
    bool columnWanted[objectFieldCount];
    bool inUseWanted = true, birthDateWanted = true;
    for (bool& each : columnWanted) each = true;
    if (!wanted.is_none()) {
        const py::set names(wanted);
        for (int f = 0; f < objectFieldCount; ++f) columnWanted[f] = names.contains(objectFieldNames[f]);
        inUseWanted = names.contains("in_use_at_birth");
        birthDateWanted = names.contains("birth_date");
    }
    std::vector<ObjectField> entryColumns;
    for (const ObjectField f : entryFields)
        if (columnWanted[f]) entryColumns.push_back(f);
    // The columns of names, each name made now.
    std::vector<NameTable> nameColumns;
    for (const NameColumn& column : allNameColumns) {
        if (!columnWanted[column.field]) continue;
        NameTable table{column.field, column.key, {}};
        for (int key = 0; key < 256; ++key) table.names[key] = column.name(key);
        nameColumns.push_back(table);
    }
    const bool needEntry = inUseWanted || columnWanted[nationalityField] || !entryColumns.empty();
    const bool withHint = columnWanted[hintField] || columnWanted[upgradedField];

    const Source source(values);
    const size_t count = source.count();
    const AgeDates ageDates(ageDays, count);

    // The columns are declared before `deferred`, which is destroyed first.
    py::array_t<bool> valid = newColumn<bool>(count);
    py::array_t<bool> missing = newColumn<bool>(count);
    py::array_t<int64_t> birthDate = newColumn<int64_t>(birthDateWanted ? count : 0);
    py::array_t<bool> inUseColumn = newColumn<bool>(inUseWanted ? count : 0);
    py::array_t<int32_t> ageColumn = newColumn<int32_t>(ageDates.wanted() ? count : 0);
    py::dtype objectType("O");
    std::vector<py::object> columns(objectFieldCount);
    PyObject** cells[objectFieldCount] = {};
    for (int f = 0; f < objectFieldCount; ++f) {
        if (!columnWanted[f]) continue;
        py::array column(objectType, std::vector<py::ssize_t>{static_cast<py::ssize_t>(count)});
        // NumPy makes an object array of NULLs (never of references to
        // release): each cell is stored once below, without reading it.
        cells[f] = static_cast<PyObject**>(column.mutable_data());
        columns[static_cast<size_t>(f)] = std::move(column);
    }
    bool* const validData = valid.mutable_data();
    bool* const missingData = missing.mutable_data();
    int64_t* const birthData = birthDateWanted ? birthDate.mutable_data() : nullptr;
    bool* const inUseData = inUseWanted ? inUseColumn.mutable_data() : nullptr;
    int32_t* const ageData = ageDates.wanted() ? ageColumn.mutable_data() : nullptr;

    const size_t rowsPerChunk = count < chunkRows ? count : chunkRows;
    ChunkItems items(rowsPerChunk);
    const std::unique_ptr<Row[]> rows(new Row[rowsPerChunk]);
    const std::unique_ptr<RegionEntry*[]> rowEntries(new RegionEntry*[rowsPerChunk]);
    const std::unique_ptr<char[]> upgraded(withHint ? new char[rowsPerChunk * numberLength] : nullptr);
    DeferredReferences deferred(entryColumns);

    for (size_t start = 0; start < count; start += chunkRows) {
        const size_t chunk = count - start < chunkRows ? count - start : chunkRows;
        items.take(source, start, chunk);
        {
            py::gil_scoped_release released;
            for (size_t r = 0; r < chunk; ++r) {
                const size_t i = start + r;
                Row& row = rows[r];
                missingData[i] = items.missing[r] != 0;
                int32_t age = noAge;
                if (items.missing[r] != 0) {
                    row = Row{};
                    row.reason = nullRow;
                } else {
                    CivilDate date;
                    row = rowOf(items.texts[r], year, withHint, withHint ? &upgraded[r * numberLength] : nullptr,
                                ageData != nullptr ? ageDates.of(i, date) : nullptr, &age);
                }
                if (ageData != nullptr) ageData[i] = age;
                const bool isValid = row.reason == IDN_VALID;
                validData[i] = isValid;
                if (birthData == nullptr) continue;
                int64_t stamp = notATime;
                if (isValid && idn_is_calendar_date(row.year, row.month, row.day) == 1) {
                    const int64_t days = daysFromCivil(row.year, row.month, row.day);
                    stamp = !nanoseconds ? days : days >= firstNanosecondDay ? days * nanosecondsPerDay : notATime;
                }
                birthData[i] = stamp;
            }
        }

        // The cells of the chunk's rows, in two passes. The first, row by
        // row, does all that may make an object or raise: the region
        // entries (fetched a few rows ahead), in_use_at_birth, and the
        // columns of objects not shared by every batch (messages, upgraded
        // numbers, nationalities, birth-date texts). The second fills each
        // column of shared objects (names, region texts and tuples) in one
        // pass over the chunk, writing its cells past the cache, so that
        // only the new cells move to memory and the region entries stay in
        // the cache. None's uses are added up and counted per chunk (one
        // object's count, incremented for nearly every cell, would chain
        // every row's stores), the names' per column, the entries' objects
        // and the birth-date texts by `deferred`.
        Py_ssize_t nones = 0;
        try {
            for (size_t r = 0; r < chunk; ++r) {
                if (needEntry && r + 2 * prefetchRows < chunk && rows[r + 2 * prefetchRows].reason == IDN_VALID)
                    prefetchSlot(rows[r + 2 * prefetchRows].code);
                if (r + prefetchRows < chunk) {
                    const Row& ahead = rows[r + prefetchRows];
                    if (ahead.reason == IDN_VALID) {
                        if (needEntry) prefetchEntry(ahead.code);
                        if (columnWanted[birthTextField]) deferred.prefetchDate(ahead);
                    }
                }
                const size_t i = start + r;
                const Row& row = rows[r];
                rowEntries[r] = nullptr;
                if (inUseData != nullptr) inUseData[i] = false;
                PyObject* message = Py_None;
                PyObject* upgradedText = Py_None;
                PyObject* nationality = Py_None;
                PyObject* birthText = Py_None;
                bool freshMessage = false, freshBirthText = false;
                if (row.reason != nullRow && row.reason != IDN_VALID) {
                    if (columnWanted[messageField])
                        message = messageObject(row.reason, items.texts[r].length, freshMessage);
                    if (columnWanted[upgradedField] && row.hint == IDN_HINT_FIFTEEN_DIGITS)
                        upgradedText = newText(&upgraded[r * numberLength], numberLength);  // the cell's own
                } else if (row.reason == IDN_VALID) {
                    if (needEntry) {
                        RegionEntry& entry = regionEntry(row.code, row.year);
                        if (columnWanted[nationalityField]) nationality = entry.nationality;
                        if (inUseData != nullptr) inUseData[i] = entryInUseAtBirth(entry, row.year);
                        rowEntries[r] = &entry;
                    }
                    // Counted at once, or the cell's own reference; nothing
                    // below raises.
                    if (columnWanted[birthTextField]) birthText = deferred.useDate(row, freshBirthText);
                }
                if (columnWanted[messageField]) {
                    cells[messageField][i] = message;
                    if (message == Py_None) {
                        ++nones;
                    } else if (!freshMessage) {
                        Py_INCREF(message);
                    }
                }
                if (columnWanted[upgradedField]) {
                    cells[upgradedField][i] = upgradedText;
                    if (upgradedText == Py_None) ++nones;
                }
                if (columnWanted[nationalityField]) {
                    cells[nationalityField][i] = nationality;
                    if (nationality == Py_None) {
                        ++nones;
                    } else {
                        Py_INCREF(nationality);
                    }
                }
                if (columnWanted[birthTextField]) {
                    cells[birthTextField][i] = birthText;
                    if (birthText == Py_None) ++nones;
                }
            }
        } catch (...) {
            deferred.useNone(static_cast<size_t>(nones));
            throw;
        }
        for (const NameTable& column : nameColumns)
            nones += fillNames(column, cells[column.field] + start, rows.get(), chunk);
        for (const ObjectField f : entryColumns) {
            PyObject** const out = cells[f] + start;
            for (size_t r = 0; r < chunk; ++r) {
                const RegionEntry* entry = rowEntries[r];
                storeCell(out + r, entry != nullptr ? entryObject(*entry, f) : Py_None);
                nones += entry == nullptr;
            }
        }
        if (!entryColumns.empty())
            for (size_t r = 0; r < chunk; ++r)
                if (rowEntries[r] != nullptr) deferred.useEntry(*rowEntries[r]);
        storesDone();
        deferred.useNone(static_cast<size_t>(nones));
        checkSignals();
    }
    deferred.apply();

    py::dict result;
    result["valid"] = valid;
    result["missing"] = missing;
    if (birthDateWanted) result["birth_date"] = birthDate;
    if (inUseWanted) result["in_use_at_birth"] = inUseColumn;
    if (ageDates.wanted()) result["age"] = ageColumn;
    for (int f = 0; f < objectFieldCount; ++f)
        if (columnWanted[f]) result[objectFieldNames[f]] = columns[static_cast<size_t>(f)];
    return result;
}

// ---- Generation ------------------------------------------------------------------------------

constexpr int64_t generationChunk = 4096;

// A Python int as the setters take it: a signed or unsigned 64-bit value, or
// one no 64-bit integer holds (`wider`, with its sign).
struct WholeNumber {
    enum Kind { signed64, unsigned64, wider } kind;
    int64_t value;
    uint64_t unsignedValue;
    bool negative;
};

WholeNumber wholeNumberOf(const py::object& number) {
    int overflow = 0;
    const long long small = PyLong_AsLongLongAndOverflow(number.ptr(), &overflow);
    if (small == -1 && PyErr_Occurred()) throw py::error_already_set();
    if (overflow == 0) return {WholeNumber::signed64, small, 0, small < 0};
    if (overflow > 0) {
        const unsigned long long large = PyLong_AsUnsignedLongLong(number.ptr());
        if (!PyErr_Occurred()) return {WholeNumber::unsigned64, 0, large, false};
        PyErr_Clear();
    }
    return {WholeNumber::wider, 0, 0, overflow < 0};
}

// A generator being given its options. A Python int the library cannot be
// given as it is (one no 64-bit integer holds, or an as_of of 0, which the C
// API takes for none) is given as a stand-in that the library refuses with
// the same status, so that the refusal comes in its place in the library's
// order of options; that refusal is then worded with the caller's value.
class Generation {
public:
    Generation() {
        const int status = idn_generator_init(&generator_, sizeof generator_);
        if (status != IDN_OK) raiseStatus("idn_generator_init", status);
    }
    Generation(const Generation&) = delete;
    Generation& operator=(const Generation&) = delete;

    const idn_generator_t& generator() const { return generator_; }

    // A str or bytes (None: not given).
    void setText(int option, const py::object& value, const char* what) {
        if (value.is_none()) return;
        const TextArgument text(value.ptr(), what);
        check(idn_generator_set_text(&generator_, option, text.data(), text.size()));
    }

    void setSigned(int option, int64_t value) { check(idn_generator_set_integer(&generator_, option, value)); }
    void setUnsigned(int option, uint64_t value) { check(idn_generator_set_unsigned(&generator_, option, value)); }

    // Gives `standIn` for the caller's `value`.
    void setStandIn(int option, const py::object& value, int64_t standIn) {
        standIns_[option] = digitsOf(value);
        hasStandIn_[option] = true;
        setSigned(option, standIn);
    }
    void setUnsignedStandIn(int option, const py::object& value, uint64_t standIn) {
        standIns_[option] = digitsOf(value);
        hasStandIn_[option] = true;
        setUnsigned(option, standIn);
    }

    // Prepares the numbers; raises IdNumberError with the first refusal.
    void prepare() {
        const int status = idn_generator_prepare(&generator_);
        if (status == IDN_OK) return;
        int32_t option = IDN_OPTION_NONE;
        idn_generator_refusal(&generator_, nullptr, &option);
        if (option > IDN_OPTION_NONE && static_cast<size_t>(option) < pythonNameCount && hasStandIn_[option]) {
            const std::string& digits = standIns_[option];
            refuseOption(status, digits.data(), digits.size(), option);
        }
        const std::string text = message();
        raiseRefusal(text.data(), text.size(), status, pythonName(option));
    }

    // The kept refusal's message, or the warning's, or an empty text.
    std::string message() const {
        char text[IDN_MESSAGE_SIZE];
        size_t written = 0;
        const int status =
            idn_generator_message(&generator_, pythonNames(), pythonNameCount, text, sizeof text, &written);
        if (status != IDN_OK) raiseStatus("idn_generator_message", status);
        return std::string(text, written);
    }

private:
    // A setter refuses only an option it does not take: this file's fault.
    static void check(int status) {
        if (status != IDN_OK) raiseStatus("a generator's setter", status);
    }

    idn_generator_t generator_;
    std::string standIns_[pythonNameCount];
    bool hasStandIn_[pythonNameCount] = {};
};

// The numbers, and the warning's message (empty when none). Texts are str or
// bytes (None: not given); the integers are Python ints or None. Raises
// IdNumberError for every refused option.
py::tuple generate(const py::object& region, const py::object& birth, const py::object& bornFrom,
                   const py::object& bornTo, const py::object& sex, const py::object& count, const py::object& seed,
                   const py::object& asOf, const py::object& yearLimit) {
    needTypes();
    Generation generation;
    generation.setText(IDN_OPTION_REGION, region, "generate: region");
    generation.setText(IDN_OPTION_BIRTH, birth, "generate: birth");
    generation.setText(IDN_OPTION_BORN_FROM, bornFrom, "generate: born_between");
    generation.setText(IDN_OPTION_BORN_TO, bornTo, "generate: born_between");
    // The library reads the word, and refuses one it does not know.
    generation.setText(IDN_OPTION_SEX, sex, "generate: sex");
    if (!count.is_none()) {
        const WholeNumber number = wholeNumberOf(count);
        if (number.kind == WholeNumber::signed64) {
            generation.setSigned(IDN_OPTION_COUNT, number.value);
        } else if (number.kind == WholeNumber::unsigned64) {
            generation.setUnsigned(IDN_OPTION_COUNT, number.unsignedValue);
        } else if (number.negative) {
            generation.setStandIn(IDN_OPTION_COUNT, count, std::numeric_limits<int64_t>::min());
        } else {
            generation.setUnsignedStandIn(IDN_OPTION_COUNT, count, std::numeric_limits<uint64_t>::max());
        }
    }
    // None is the 2009 tables; an as_of of 0 is no year, refused as any
    // year outside the history is.
    if (!asOf.is_none()) {
        const WholeNumber number = wholeNumberOf(asOf);
        if (number.kind == WholeNumber::signed64 && number.value != 0) {
            generation.setSigned(IDN_OPTION_AS_OF_YEAR, number.value);
        } else {
            generation.setStandIn(IDN_OPTION_AS_OF_YEAR, asOf, -1);
        }
    }
    if (!yearLimit.is_none()) {
        const WholeNumber number = wholeNumberOf(yearLimit);
        if (number.kind == WholeNumber::signed64) {
            generation.setSigned(IDN_OPTION_YEAR_LIMIT, number.value);
        } else {
            generation.setStandIn(IDN_OPTION_YEAR_LIMIT, yearLimit, -1);
        }
    }
    // Python's ints are wider than 64 bits, so no negative seed stands for
    // an unsigned one: a seed outside 0 to IDN_SEED_MAX is refused here,
    // after every option the library judges.
    bool seedRefused = false;
    if (!seed.is_none()) {
        const WholeNumber number = wholeNumberOf(seed);
        if (number.kind == WholeNumber::unsigned64) {
            generation.setUnsigned(IDN_OPTION_SEED, number.unsignedValue);
        } else if (number.kind == WholeNumber::signed64 && number.value >= 0) {
            generation.setUnsigned(IDN_OPTION_SEED, static_cast<uint64_t>(number.value));
        } else {
            seedRefused = true;
        }
    }
    generation.prepare();
    if (seedRefused) refuseNumber(IDN_ERROR_SEED_RANGE, seed, IDN_OPTION_SEED);

    const idn_generator_t& generator = generation.generator();
    const std::string warning = idn_generator_warning(&generator) != IDN_WARNING_NONE ? generation.message() : "";
    const int64_t total = idn_generator_count(&generator);
    py::list numbers;
    const std::unique_ptr<char[]> numbersBlock(new char[generationChunk * IDN_NUMBER_SIZE]);
    char* const block = numbersBlock.get();
    for (int64_t start = 0; start < total; start += generationChunk) {
        const int64_t chunk = total - start < generationChunk ? total - start : generationChunk;
        int failed = IDN_OK;
        {
            py::gil_scoped_release released;
            for (int64_t k = 0; k < chunk && failed == IDN_OK; ++k)
                failed = idn_generator_number(&generator, start + k, block + k * IDN_NUMBER_SIZE, IDN_NUMBER_SIZE,
                                              nullptr);
        }
        if (failed != IDN_OK) raiseStatus("idn_generator_number", failed);
        for (int64_t k = 0; k < chunk; ++k) {
            PyObject* number =
                PyUnicode_FromStringAndSize(block + k * IDN_NUMBER_SIZE, static_cast<Py_ssize_t>(numberLength));
            if (number == nullptr) throw py::error_already_set();
            const int appended = PyList_Append(numbers.ptr(), number);
            Py_DECREF(number);
            if (appended != 0) throw py::error_already_set();
        }
        checkSignals();
    }
    return py::make_tuple(numbers, py::reinterpret_steal<py::object>(newText(warning.data(), warning.size())));
}

// ---- Regions, history, conversions ---------------------------------------------------------------

py::list regions(const py::object& query) {
    needTypes();
    const TextArgument text(query.ptr(), "regions");
    py::list found;
    size_t cursor = 0;
    idn_region_t region{};
    region.size = sizeof region;
    for (;;) {
        const int status = idn_search_regions(text.data(), text.size(), &cursor, &region);
        if (status < 0) raiseStatus("idn_search_regions", status);
        if (status == 0) break;
        const py::object record = py::reinterpret_steal<py::object>(newInstance(
            types.region, newInteger(region.code), newReference(constantText(region.name)),
            newReference(constantText(region.level)), newReference(constantText(region.province)),
            newReference(optionalConstantText(region.city))));
        found.append(record);
    }
    return found;
}

py::object history(int32_t code) {
    if (code < 0 || code >= codeSlots) throw std::runtime_error("region code out of range");
    // Any birth year: the history does not depend on it.
    return py::reinterpret_borrow<py::object>(regionEntry(code, IDN_HISTORY_FIRST_YEAR).history());
}

// The 18-character form; IdNumberError with the status of a refusal.
py::str upgrade(const py::object& value) {
    const TextArgument text(value.ptr(), "upgrade");
    char out[IDN_NUMBER_SIZE];
    size_t written = 0;
    const int status = idn_upgrade_number(text.data(), text.size(), out, sizeof out, &written);
    if (status == IDN_OK) return py::reinterpret_steal<py::str>(newText(out, written));
    if (status != IDN_ERROR_NOT_FIFTEEN_DIGITS && status != IDN_ERROR_MONTH_ABOVE_12 &&
        status != IDN_ERROR_DAY_ABOVE_31)
        raiseStatus("idn_upgrade_number", status);
    // The library's words for the refusal ("14 bytes, not 15 digits").
    char message[IDN_REASON_MESSAGE_SIZE];
    const int worded = idn_upgrade_message(text.data(), text.size(), message, sizeof message, &written);
    if (worded != IDN_OK) raiseStatus("idn_upgrade_message", worded);
    raiseRefusal(message, written, status, nullptr);
}

// The masked UTF-8, as bytes.
py::bytes mask(const py::object& value) {
    const TextArgument text(value.ptr(), "mask");
    size_t needed = 0;
    int status = idn_mask_text(text.data(), text.size(), nullptr, 0, &needed);
    if (status != IDN_OK) raiseStatus("idn_mask_text", status);
    // A bytes object has room for its terminating NUL.
    py::bytes out = py::reinterpret_steal<py::bytes>(PyBytes_FromStringAndSize(nullptr, static_cast<Py_ssize_t>(needed)));
    if (!out) throw py::error_already_set();
    status = idn_mask_text(text.data(), text.size(), PyBytes_AS_STRING(out.ptr()), needed + 1, &needed);
    if (status != IDN_OK) raiseStatus("idn_mask_text", status);
    return out;
}

void setTypes(const py::object& verdict, const py::tuple& verdictFields, const py::object& historyRecord,
              const py::object& successor, const py::object& presentCode, const py::object& nationality,
              const py::object& region, const py::object& error) {
    if (types.verdict != nullptr) throw std::runtime_error("idnumber._native.set_types was called before");
    for (const py::handle name : verdictFields) {
        py::object slot = verdict.attr(name);
        if (Py_TYPE(slot.ptr())->tp_descr_set == nullptr) throw std::runtime_error("Verdict's fields are slots");
        types.verdictSlots.push_back(slot.release().ptr());
    }
    types.verdict = verdict.inc_ref().ptr();
    types.historyRecord = historyRecord.inc_ref().ptr();
    types.successor = successor.inc_ref().ptr();
    types.presentCode = presentCode.inc_ref().ptr();
    types.nationality = nationality.inc_ref().ptr();
    types.region = region.inc_ref().ptr();
    types.error = error.inc_ref().ptr();
}

// pandas' missing markers, told once pandas is imported (no value can be one
// before), so that importing idnumber does not import pandas.
void setMissing(const py::tuple& missing) {
    for (const py::handle marker : missing) types.missing.push_back(marker.inc_ref().ptr());
}

}  // namespace idnumber_python

using namespace idnumber_python;

PYBIND11_MODULE(_native, module) {
    PyDateTime_IMPORT;
    if (PyDateTimeAPI == nullptr) throw py::error_already_set();
    module.doc() = "The C API of the identity-number library, for idnumber; use idnumber's functions.";
    module.def("set_types", &setTypes);
    module.def("set_missing", &setMissing);
    module.def("verify_one", &verifyOne, py::arg("text"), py::arg("year_limit") = py::none());
    module.def("verify_batch", &verifyBatch, py::arg("values"), py::arg("nanoseconds"),
               py::arg("fields") = py::none(), py::arg("year_limit") = py::none(), py::arg("age_on") = py::none());
    module.def("age_on", &ageOfVerdict, py::arg("reason"), py::arg("birth_date_text"), py::arg("year"),
               py::arg("month"), py::arg("day"));
    module.def("today", &today);
    module.def("generate", &generate, py::arg("region"), py::arg("birth"), py::arg("born_from"),
               py::arg("born_to"), py::arg("sex"), py::arg("count"), py::arg("seed"), py::arg("as_of"),
               py::arg("year_limit"));
    module.def("regions", &regions);
    module.def("history", &history);
    module.def("upgrade", &upgrade);
    module.def("mask", &mask);
    module.def("version", [] { return std::string(idn_version_string()); });
    module.attr("COUNT_MAX") = static_cast<int64_t>(IDN_COUNT_MAX);
    module.attr("SEED_MAX") = static_cast<uint64_t>(IDN_SEED_MAX);
    module.attr("YEAR_LIMIT_MAX") = static_cast<int>(IDN_YEAR_LIMIT_MAX);
    defineScanning(module);
}
