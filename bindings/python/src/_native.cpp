// _native.cpp: the C++ side of the Python module idnumber, a thin layer over
// the C API (capi/idnumber.h); idnumber/__init__.py wraps it in the public
// functions and types.
//
// It offers:
//   verify_one(text)          one number's fields as a tuple, in Verdict's order
//   verify_batch(values, ns)  a batch's fields as NumPy columns
//   generate(...)             the numbers of a seeded or unseeded generation
//   regions(query), history(code), upgrade(text), mask(text), version()
//
// A batch is read in three passes. With the GIL held, every item is taken
// (a reference kept) and its UTF-8 bytes located: strings (compact ASCII
// ones in place), bytes and NumPy arrays of bytes are read where they are, a
// NumPy array of str is converted into one buffer. With the GIL released,
// each text is verified (idn_verify) and its birth date turned into a day
// count. With the GIL held again, the object columns are filled with shared
// objects: every text of the tables, every code's history and every message
// is made into a Python object once and kept for the life of the process,
// as the C API keeps its texts, and so are the history's answers on codes in
// use at birth; birth-date texts are shared within the batch. Nothing is
// allocated per row but the Python objects a row needs that no other row has.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <datetime.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "capi/idnumber.h"

namespace py = pybind11;

namespace {

// ---- Objects made once ------------------------------------------------------

// A new reference to a str of UTF-8 text; throws when Python cannot make it.
PyObject* newText(const char* utf8, Py_ssize_t length) {
    PyObject* text = PyUnicode_DecodeUTF8(utf8, length, "surrogateescape");
    if (text == nullptr) throw py::error_already_set();
    return text;
}

PyObject* newText(const char* utf8) { return newText(utf8, static_cast<Py_ssize_t>(std::strlen(utf8))); }

PyObject* newInteger(long value) {
    PyObject* integer = PyLong_FromLong(value);
    if (integer == nullptr) throw py::error_already_set();
    return integer;
}

// A new reference to type(*arguments), taking the arguments' references.
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

// The record types of idnumber (typing.NamedTuple classes, and Verdict, a
// frozen dataclass with slots, with the descriptors of its slots in field
// order), set once by idnumber/__init__.py, and the values besides None and
// NaN that a batch takes for a missing item (pandas' NA and NaT).
struct Types {
    PyObject* verdict = nullptr;
    std::vector<PyObject*> verdictSlots;
    PyObject* historyRecord = nullptr;
    PyObject* successor = nullptr;
    PyObject* presentCode = nullptr;
    PyObject* region = nullptr;
    std::vector<PyObject*> missing;
};
Types types;

void needTypes() {
    if (types.historyRecord == nullptr) throw std::runtime_error("idnumber._native.set_types was not called");
}

// The str of a text of the library's constant data, one object per text.
// Its keys are pointers into that data, so the map stays as small as the
// tables.
PyObject* constantText(const char* utf8) {
    static std::unordered_map<const char*, PyObject*> objects;
    const auto found = objects.find(utf8);
    if (found != objects.end()) return found->second;
    PyObject* text = newText(utf8);
    objects.emplace(utf8, text);
    return text;
}

// Fixed names: the reasons, kinds, sexes and check characters, looked up
// per row from small tables made on first use. Borrowed references; Py_None
// where a name is null.
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
    static PyObject* const male = newText(u8"男");
    static PyObject* const female = newText(u8"女");
    return sex == IDN_SEX_MALE ? male : sex == IDN_SEX_FEMALE ? female : Py_None;
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

// The refusal's message; those of texts up to 255 bytes are kept, per
// reason and length (the length message names the length).
PyObject* messageObject(int reason, uint64_t length, bool& fresh) {
    static PyObject* kept[IDN_REASON_DATE + 1][256] = {};
    fresh = false;
    if (reason == IDN_VALID) return Py_None;
    if (length < 256 && kept[reason][length] != nullptr) return kept[reason][length];
    idn_verdict verdict{};
    verdict.reason = reason;
    verdict.length = length;
    char text[256];
    size_t written = 0;
    if (idn_reason_message(&verdict, text, sizeof text, &written) != IDN_OK)
        throw std::runtime_error("idn_reason_message failed");
    PyObject* message = newText(text, static_cast<Py_ssize_t>(written));
    if (length < 256) {
        kept[reason][length] = message;
    } else {
        fresh = true;
    }
    return message;
}

// What the tables and the history say of a region code, as verify's fields.
// Borrowed references, kept for the life of the process. What a batch reads
// for every row fills one cache line; the memo of in-use answers the next.
struct alignas(64) RegionEntry {
    int32_t code;
    // Cells of a batch that hold the seven objects below without having
    // counted their reference yet (see DeferredReferences).
    uint32_t pendingUses;
    PyObject* province;
    PyObject* city;
    PyObject* county;
    PyObject* status;
    PyObject* history;     // tuple of HistoryRecord
    PyObject* successors;  // tuple of Successor
    PyObject* now;         // tuple of PresentCode
    // idn_in_use_at_birth's answers for the birth years 1900-2091, asked
    // once each: bit y - 1900 of `asked` says that bit y - 1900 of `inUse`
    // holds the answer. Looking the history up costs more than the rest of
    // a row's verification.
    uint64_t asked[3];
    uint64_t inUse[3];
};

constexpr int firstMemoYear = 1900;
constexpr int memoYears = 3 * 64;

bool entryInUseAtBirth(RegionEntry& entry, int year) {
    const int bit = year - firstMemoYear;
    if (bit < 0 || bit >= memoYears) return idn_in_use_at_birth(entry.code, year) != 0;
    const int word = bit / 64;
    const uint64_t mask = uint64_t{1} << (bit % 64);
    if ((entry.asked[word] & mask) == 0) {
        if (idn_in_use_at_birth(entry.code, year) != 0) entry.inUse[word] |= mask;
        entry.asked[word] |= mask;
    }
    return (entry.inUse[word] & mask) != 0;
}

PyObject* historyTuple(int32_t code) {
    const size_t count = idn_history_count(code);
    if (count == 0) return emptyTuple();
    PyObject* tuple = PyTuple_New(static_cast<Py_ssize_t>(count));
    if (tuple == nullptr) throw py::error_already_set();
    py::object owner = py::reinterpret_steal<py::object>(tuple);
    for (size_t i = 0; i < count; ++i) {
        idn_history_record record{};
        if (idn_history_record_at(code, i, &record) != IDN_OK) throw std::runtime_error("idn_history_record_at failed");
        PyObject* until = Py_None;
        if (record.until != 0) {
            until = newInteger(record.until);
        } else {
            Py_INCREF(Py_None);
        }
        PyObject* texts[] = {constantText(record.name), constantText(record.province),
                             constantText(record.prefecture), constantText(record.level)};
        for (PyObject* text : texts) Py_INCREF(text);
        PyTuple_SET_ITEM(tuple, static_cast<Py_ssize_t>(i),
                         newInstance(types.historyRecord, newInteger(record.code), texts[0], texts[1], texts[2],
                                     texts[3], newInteger(record.from), until));
    }
    return owner.release().ptr();
}

PyObject* successorsTuple(int32_t code) {
    idn_successor successors[IDN_MAX_SUCCESSORS];
    size_t count = 0;
    if (idn_successors(code, successors, IDN_MAX_SUCCESSORS, &count) != IDN_OK)
        throw std::runtime_error("idn_successors failed");
    if (count == 0) return emptyTuple();
    PyObject* tuple = PyTuple_New(static_cast<Py_ssize_t>(count));
    if (tuple == nullptr) throw py::error_already_set();
    py::object owner = py::reinterpret_steal<py::object>(tuple);
    for (size_t i = 0; i < count; ++i) {
        PyObject* name = constantText(successors[i].name);
        PyObject* status = constantText(successors[i].in_use != 0 ? "in_use" : "abolished");
        Py_INCREF(name);
        Py_INCREF(status);
        PyTuple_SET_ITEM(tuple, static_cast<Py_ssize_t>(i),
                         newInstance(types.successor, newInteger(successors[i].code), name, status));
    }
    return owner.release().ptr();
}

PyObject* nowTuple(int32_t code) {
    idn_present_code codes[IDN_MAX_NOW_CODES];
    size_t count = 0;
    if (idn_now(code, codes, IDN_MAX_NOW_CODES, &count) != IDN_OK) throw std::runtime_error("idn_now failed");
    if (count == 0) return emptyTuple();
    PyObject* tuple = PyTuple_New(static_cast<Py_ssize_t>(count));
    if (tuple == nullptr) throw py::error_already_set();
    py::object owner = py::reinterpret_steal<py::object>(tuple);
    for (size_t i = 0; i < count; ++i) {
        PyObject* name = constantText(codes[i].name);
        Py_INCREF(name);
        PyTuple_SET_ITEM(tuple, static_cast<Py_ssize_t>(i),
                         newInstance(types.presentCode, newInteger(codes[i].code), name));
    }
    return owner.release().ptr();
}

// The entry of a six-digit code, made on first use and kept: its address
// never changes. Codes index a table of a million slots (4 MB, made on first
// use). Real data names a few thousand codes; valid numbers of every
// possible code would make a million entries of about 120 bytes, whose texts
// and empty tuples are shared.
constexpr int32_t codeSlots = 1000000;

RegionEntry& regionEntry(int32_t code) {
    static std::vector<uint32_t> slots;
    static std::deque<RegionEntry> entries;
    if (code < 0 || code >= codeSlots) throw std::runtime_error("region code out of range");
    if (slots.empty()) slots.assign(codeSlots, 0);
    if (slots[code] != 0) return entries[slots[code] - 1];
    needTypes();
    idn_region_fields texts{};
    idn_region_texts(code, &texts);
    RegionEntry entry{};
    entry.code = code;
    entry.province = constantText(texts.province);
    entry.city = constantText(texts.city);
    entry.county = constantText(texts.county);
    entry.status = constantText(idn_code_status_name(idn_code_status(code)));
    entry.history = historyTuple(code);
    entry.successors = successorsTuple(code);
    entry.now = nowTuple(code);
    entries.push_back(entry);
    slots[code] = static_cast<uint32_t>(entries.size());
    return entries.back();
}

// ---- Dates --------------------------------------------------------------------

// Whether the digits name a real calendar date, which datetime.date holds (a
// number's year has 4 digits): a valid number's date only has month <= 12
// and day <= 31.
bool isRealDate(int year, int month, int day) { return idn_is_calendar_date(year, month, day) == 1; }

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

constexpr int64_t notATime = std::numeric_limits<int64_t>::min();  // NumPy's NaT
// pandas' datetime64[ns] holds 1677-09-22 onwards (whole days).
constexpr int64_t firstNanosecondDay = -106751;
constexpr int64_t nanosecondsPerDay = 86400LL * 1000000000LL;

// ---- One verdict -------------------------------------------------------------------

// A verdict in 16 bytes, as the batch keeps it between its passes.
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
};

Row rowOf(const char* text, size_t length, int yearLimit) {
    idn_verdict verdict{};
    idn_verify(text, length, yearLimit, &verdict);
    Row row{};
    row.reason = static_cast<uint8_t>(verdict.reason);
    row.check = static_cast<char>(verdict.expected_check);
    if (verdict.reason == IDN_VALID) {
        row.code = verdict.region_code;
        row.year = static_cast<int16_t>(verdict.birth_year);
        row.month = static_cast<int8_t>(verdict.birth_month);
        row.day = static_cast<int8_t>(verdict.birth_day);
        row.kind = static_cast<uint8_t>(verdict.kind);
        row.sex = static_cast<uint8_t>(verdict.sex);
    }
    return row;
}

// The object fields of a verdict, in Verdict's order but for valid,
// birth_date and in_use_at_birth, which are not objects in a batch.
enum ObjectField {
    reasonField,
    messageField,
    checkField,
    birthTextField,
    sexField,
    provinceField,
    cityField,
    countyField,
    kindField,
    statusField,
    historyField,
    successorsField,
    nowField,
    objectFieldCount
};

const char* const objectFieldNames[objectFieldCount] = {
    "reason", "message", "expected_check", "birth_date_text", "sex", "province", "city",
    "county", "kind", "code_status", "history", "successors", "now"};

// Borrowed references to the row's object fields; the birth-date text is the
// caller's. `freshMessage` says that fields[messageField] is a new
// reference the caller must release. Returns the region's entry for a valid
// number, else nullptr; without `needEntry`, the entry's fields stay None.
inline RegionEntry* objectFields(const Row& row, uint64_t length, PyObject* birthText,
                                 PyObject* (&fields)[objectFieldCount], bool& freshMessage, bool needEntry = true) {
    freshMessage = false;
    for (PyObject*& field : fields) field = Py_None;
    if (row.reason == nullRow) return nullptr;
    fields[reasonField] = reasonObject(row.reason);
    fields[messageField] = messageObject(row.reason, length, freshMessage);
    fields[checkField] = checkObject(row.check);
    if (row.reason != IDN_VALID) return nullptr;
    fields[birthTextField] = birthText;
    fields[sexField] = sexObject(row.sex);
    fields[kindField] = kindObject(row.kind);
    if (!needEntry) return nullptr;
    RegionEntry& entry = regionEntry(row.code);
    fields[provinceField] = entry.province;
    fields[cityField] = entry.city;
    fields[countyField] = entry.county;
    fields[statusField] = entry.status;
    fields[historyField] = entry.history;
    fields[successorsField] = entry.successors;
    fields[nowField] = entry.now;
    return &entry;
}

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

// ---- Taking the items of a batch -------------------------------------------------

const char* typeName(PyObject* object) { return Py_TYPE(object)->tp_name; }

// Where one item's bytes are; data == nullptr and missing set for a null.
struct Text {
    const char* data;
    size_t length;
    bool missing;
};

bool isMissing(PyObject* item) {
    if (item == Py_None) return true;
    if (PyFloat_Check(item)) return std::isnan(PyFloat_AS_DOUBLE(item));
    for (PyObject* marker : types.missing)
        if (item == marker) return true;
    return false;
}

// The items of a batch and the references that keep their bytes alive. Its
// destructor runs with the GIL held.
class Items {
public:
    ~Items() {
        for (PyObject* each : owned_) Py_DECREF(each);
    }

    std::vector<Text> texts;
    std::vector<char> converted;  // the UTF-8 of a NumPy array of str

    void reserve(size_t count) {
        texts.reserve(count);
        owned_.reserve(count);
    }

    // Keeps a reference to an object whose memory texts point into.
    void keep(PyObject* object) {
        owned_.push_back(object);
        Py_INCREF(object);
    }

    // Takes a new reference to the item and locates its bytes.
    void add(PyObject* item, const char* caller) {
        keep(item);
        if (PyUnicode_Check(item)) {
            if (PyUnicode_IS_COMPACT_ASCII(item)) {
                texts.push_back({static_cast<const char*>(PyUnicode_DATA(item)),
                                 static_cast<size_t>(PyUnicode_GET_LENGTH(item)), false});
                return;
            }
            Py_ssize_t length = 0;
            const char* data = PyUnicode_AsUTF8AndSize(item, &length);
            if (data == nullptr) {
                // Lone surrogates: their own three bytes each, which no
                // number has, so the verdict is still a refusal.
                PyErr_Clear();
                PyObject* bytes = PyUnicode_AsEncodedString(item, "utf-8", "surrogatepass");
                if (bytes == nullptr) throw py::error_already_set();
                keep(bytes);
                Py_DECREF(bytes);
                texts.push_back({PyBytes_AS_STRING(bytes), static_cast<size_t>(PyBytes_GET_SIZE(bytes)), false});
                return;
            }
            texts.push_back({data, static_cast<size_t>(length), false});
            return;
        }
        if (PyBytes_Check(item)) {
            texts.push_back({PyBytes_AS_STRING(item), static_cast<size_t>(PyBytes_GET_SIZE(item)), false});
            return;
        }
        if (isMissing(item)) {
            texts.push_back({nullptr, 0, true});
            return;
        }
        const bool number = PyLong_Check(item) || PyFloat_Check(item) || PyNumber_Check(item);
        PyErr_Format(PyExc_TypeError, "%s: item %zu is %s, not str or bytes%s", caller, texts.size(),
                     typeName(item),
                     number ? " (an identity number is a text: read the column as str, since a number "
                              "loses its X and leading zeros)"
                            : "");
        throw py::error_already_set();
    }

private:
    std::vector<PyObject*> owned_;
};

// The length of code point c in UTF-8 (lone surrogates take their three
// bytes; a value beyond Unicode stands for U+FFFD), and its bytes.
size_t utf8Length(uint32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 || c >= 0x110000 ? 3 : 4; }

char* putUtf8(char* out, uint32_t c) {
    if (c >= 0x110000) c = 0xFFFD;
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

// A one-dimensional NumPy array of bytes ('S') or str ('U', UCS-4), each
// element without its trailing NULs, as NumPy itself reads it. Bytes are
// read in place (the array is referenced, so it cannot be resized); str is
// converted into one buffer of UTF-8, sized in a first pass.
void takeFixedWidth(const py::array& array, Items& items) {
    const size_t count = static_cast<size_t>(array.shape(0));
    const size_t width = static_cast<size_t>(array.itemsize());
    const Py_ssize_t stride = array.strides(0);
    const char* base = static_cast<const char*>(array.data());
    items.keep(array.ptr());
    items.texts.reserve(count);
    if (array.dtype().kind() == 'S') {
        for (size_t i = 0; i < count; ++i) {
            const char* element = base + static_cast<Py_ssize_t>(i) * stride;
            size_t length = width;
            while (length > 0 && element[length - 1] == '\0') --length;
            items.texts.push_back({element, length, false});
        }
        return;
    }
    auto codePoint = [](const char* element, size_t k) {
        uint32_t c = 0;
        std::memcpy(&c, element + k * 4, 4);
        return c;
    };
    size_t total = 0;
    for (size_t i = 0; i < count; ++i) {
        const char* element = base + static_cast<Py_ssize_t>(i) * stride;
        size_t characters = width / 4;
        while (characters > 0 && codePoint(element, characters - 1) == 0) --characters;
        size_t length = 0;
        for (size_t k = 0; k < characters; ++k) length += utf8Length(codePoint(element, k));
        // The element's characters for now, its UTF-8 length below.
        items.texts.push_back({nullptr, characters, false});
        total += length;
    }
    items.converted.resize(total);
    char* out = items.converted.data();
    for (size_t i = 0; i < count; ++i) {
        const char* element = base + static_cast<Py_ssize_t>(i) * stride;
        Text& text = items.texts[i];
        text.data = out;
        for (size_t k = 0; k < text.length; ++k) out = putUtf8(out, codePoint(element, k));
        text.length = static_cast<size_t>(out - text.data);
    }
}

void takeItems(const py::object& values, Items& items) {
    static const char* const caller = "verify_many";
    if (py::isinstance<py::array>(values)) {
        const py::array array = py::reinterpret_borrow<py::array>(values);
        if (array.ndim() != 1) {
            PyErr_Format(PyExc_ValueError, "verify_many: takes a one-dimensional array, not %zd-dimensional",
                         static_cast<Py_ssize_t>(array.ndim()));
            throw py::error_already_set();
        }
        const char kind = array.dtype().kind();
        if (kind == 'U' && !array.dtype().attr("isnative").cast<bool>()) {
            // UCS-4 of the other byte order: read a native copy.
            takeFixedWidth(py::array(array.attr("astype")(array.dtype().attr("newbyteorder")("="))), items);
            return;
        }
        if (kind == 'U' || kind == 'S') {
            takeFixedWidth(array, items);
            return;
        }
        if (kind != 'O') {
            const std::string dtype = py::str(array.dtype()).cast<std::string>();
            PyErr_Format(PyExc_TypeError,
                         "verify_many: an array of %s holds no texts; an identity number is a text (read the "
                         "column as str, since a number loses its X and leading zeros)",
                         dtype.c_str());
            throw py::error_already_set();
        }
        const size_t count = static_cast<size_t>(array.shape(0));
        const Py_ssize_t stride = array.strides(0);
        const char* base = static_cast<const char*>(array.data());
        items.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            PyObject* item = nullptr;
            std::memcpy(&item, base + static_cast<Py_ssize_t>(i) * stride, sizeof item);
            items.add(item != nullptr ? item : Py_None, caller);
        }
        return;
    }
    if (PyList_Check(values.ptr()) || PyTuple_Check(values.ptr())) {
        // Each item is referenced before anything else runs, so a list
        // changed later (by another thread) leaves the batch as it was.
        PyObject* sequence = values.ptr();
        const Py_ssize_t count = PySequence_Fast_GET_SIZE(sequence);
        items.reserve(static_cast<size_t>(count));
        for (Py_ssize_t i = 0; i < PySequence_Fast_GET_SIZE(sequence); ++i)
            items.add(PySequence_Fast_GET_ITEM(sequence, i), caller);
        return;
    }
    PyObject* iterator = PyObject_GetIter(values.ptr());
    if (iterator == nullptr) {
        PyErr_Clear();
        PyErr_Format(PyExc_TypeError, "verify_many: takes an iterable of str or bytes, not %s",
                     typeName(values.ptr()));
        throw py::error_already_set();
    }
    const py::object owner = py::reinterpret_steal<py::object>(iterator);
    const Py_ssize_t hint = PyObject_LengthHint(values.ptr(), 0);
    if (hint < 0) PyErr_Clear();  // a failing __length_hint__ only costs the reservation
    if (hint > 0) items.reserve(static_cast<size_t>(hint));
    while (PyObject* item = PyIter_Next(iterator)) {
        const py::object held = py::reinterpret_steal<py::object>(item);
        items.add(item, caller);
    }
    if (PyErr_Occurred()) throw py::error_already_set();
}

// ---- The batch ---------------------------------------------------------------------

// Index of a valid number's date (month 0-12, day 0-31) among the dates of
// years 0-9999, for sharing birth-date texts within a batch.
int32_t dateKey(const Row& row) { return (row.year * 13 + row.month) * 32 + row.day; }

template <typename T>
py::array_t<T> newColumn(size_t count) {
    return py::array_t<T>(static_cast<py::ssize_t>(count));
}

// The fields a valid number takes from its region's entry.
constexpr ObjectField entryFields[] = {provinceField, cityField,      countyField, statusField,
                                       historyField,  successorsField, nowField};

// References stored in a batch's cells but not yet counted. The objects of
// region entries and the batch's birth-date texts are thousands, spread
// over memory: incrementing their counts cell by cell misses the cache on
// nearly every row. So each stored cell adds a use here, and the uses are
// added to the objects' counts at the end of the pass, or when an error
// ends it early (the cells already stored then hold counted references when
// the arrays are released).
class DeferredReferences {
public:
    // Room for the birth-date texts of `dates` dates; the entry fields that
    // have columns.
    DeferredReferences(size_t dates, std::vector<ObjectField> entryColumns)
        : dates_(dates, SharedText{nullptr, 0}), entryColumns_(std::move(entryColumns)) {}
    DeferredReferences(const DeferredReferences&) = delete;
    DeferredReferences& operator=(const DeferredReferences&) = delete;
    ~DeferredReferences() {
        apply();
        for (const SharedText& date : dates_) Py_XDECREF(date.text);
    }

    // The shared text of the date at `index`, made on first use, and one
    // more cell that holds it.
    PyObject* useDate(size_t index, const Row& row) {
        SharedText& date = dates_[index];
        if (date.text == nullptr) date.text = newBirthText(row);
        ++date.uses;
        return date.text;
    }

    void useEntry(RegionEntry& entry) {
        if (entryColumns_.empty()) return;
        if (entry.pendingUses++ == 0) entries_.push_back(&entry);
    }

    // Counts the uses; a loop of increments compiles to one addition.
    void apply() {
        for (RegionEntry* entry : entries_) {
            for (const ObjectField f : entryColumns_) {
                PyObject* const object = entryObject(*entry, f);
                for (uint32_t k = 0; k < entry->pendingUses; ++k) Py_INCREF(object);
            }
            entry->pendingUses = 0;
        }
        entries_.clear();
        for (SharedText& date : dates_) {
            for (uint32_t k = 0; k < date.uses; ++k) Py_INCREF(date.text);
            date.uses = 0;
        }
    }

private:
    static PyObject* entryObject(const RegionEntry& entry, ObjectField f) {
        switch (f) {
        case provinceField: return entry.province;
        case cityField: return entry.city;
        case countyField: return entry.county;
        case statusField: return entry.status;
        case historyField: return entry.history;
        case successorsField: return entry.successors;
        default: return entry.now;
        }
    }

    struct SharedText {
        PyObject* text;
        uint32_t uses;
    };
    std::vector<SharedText> dates_;
    std::vector<ObjectField> entryColumns_;
    std::vector<RegionEntry*> entries_;
};


// The batch's columns: valid, missing (the rows of nulls), birth_date (days,
// or nanoseconds since 1970) and in_use_at_birth as NumPy arrays of bool and
// int64, and the object fields named in `wanted` (None: all of them).
py::dict verifyBatch(const py::object& values, bool nanoseconds, const py::object& wanted) {
    bool columnWanted[objectFieldCount];
    bool inUseWanted = true;
    for (int f = 0; f < objectFieldCount; ++f) columnWanted[f] = true;
    if (!wanted.is_none()) {
        const py::set names(wanted);
        for (int f = 0; f < objectFieldCount; ++f) columnWanted[f] = names.contains(objectFieldNames[f]);
        inUseWanted = names.contains("in_use_at_birth");
    }
    std::vector<ObjectField> entryColumns;
    for (const ObjectField f : entryFields)
        if (columnWanted[f]) entryColumns.push_back(f);
    const bool needEntry = inUseWanted || !entryColumns.empty();

    Items items;
    takeItems(values, items);
    const size_t count = items.texts.size();

    py::array_t<bool> valid = newColumn<bool>(count);
    py::array_t<bool> missing = newColumn<bool>(count);
    py::array_t<int64_t> birthDate = newColumn<int64_t>(count);
    py::array_t<bool> inUseColumn = newColumn<bool>(count);
    // Every row is written by the second pass.
    const std::unique_ptr<Row[]> rows(new Row[count]);
    int32_t firstDate = std::numeric_limits<int32_t>::max(), lastDate = -1;
    {
        bool* validData = valid.mutable_data();
        bool* missingData = missing.mutable_data();
        int64_t* birthData = birthDate.mutable_data();
        const int yearLimit = idn_current_year();
        py::gil_scoped_release released;
        for (size_t i = 0; i < count; ++i) {
            const Text& text = items.texts[i];
            Row& row = rows[i];
            missingData[i] = text.missing;
            if (text.missing) {
                row = Row{};
                row.reason = nullRow;
            } else {
                row = rowOf(text.data, text.length, yearLimit);
            }
            const bool isValid = row.reason == IDN_VALID;
            validData[i] = isValid;
            birthData[i] = notATime;
            if (!isValid) continue;
            const int32_t key = dateKey(row);
            if (key < firstDate) firstDate = key;
            if (key > lastDate) lastDate = key;
            if (isRealDate(row.year, row.month, row.day)) {
                const int64_t days = daysFromCivil(row.year, row.month, row.day);
                birthData[i] = !nanoseconds ? days : days >= firstNanosecondDay ? days * nanosecondsPerDay : notATime;
            }
        }
    }

    // Birth-date texts shared within the batch, by date; a batch whose dates
    // spread far wider than its rows makes one per row instead.
    const bool shareDates = columnWanted[birthTextField] && lastDate >= firstDate &&
                            static_cast<size_t>(lastDate - firstDate) <= 4 * count + 4096;
    DeferredReferences deferred(shareDates ? static_cast<size_t>(lastDate - firstDate) + 1 : 0, entryColumns);

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
    bool* inUseData = inUseColumn.mutable_data();
    PyObject* fields[objectFieldCount];
    for (size_t i = 0; i < count; ++i) {
        const Row& row = rows[i];
        const bool isValid = row.reason == IDN_VALID;
        PyObject* birthText = Py_None;
        py::object freshBirthText;
        if (isValid && columnWanted[birthTextField]) {
            if (shareDates) {
                // Counted by `deferred`.
                birthText = deferred.useDate(static_cast<size_t>(dateKey(row) - firstDate), row);
            } else {
                freshBirthText = py::reinterpret_steal<py::object>(newBirthText(row));
                birthText = freshBirthText.ptr();
            }
        }
        bool freshMessage = false;
        RegionEntry* entry = objectFields(row, items.texts[i].length, birthText, fields, freshMessage, needEntry);
        inUseData[i] = inUseWanted && entry != nullptr && entryInUseAtBirth(*entry, row.year);
        for (int f = 0; f < objectFieldCount; ++f)
            if (columnWanted[f]) cells[f][i] = fields[f];
        // The reasons, messages, check characters, sexes, kinds and None are
        // a few objects, counted as they are stored.
        for (const ObjectField f : {reasonField, messageField, checkField, sexField, kindField})
            if (columnWanted[f]) Py_INCREF(fields[f]);
        if (freshMessage) Py_DECREF(fields[messageField]);
        if (entry != nullptr) {
            deferred.useEntry(*entry);
        } else {
            for (const ObjectField f : entryColumns) Py_INCREF(fields[f]);
        }
        if (columnWanted[birthTextField] && !(isValid && shareDates)) Py_INCREF(fields[birthTextField]);
    }
    deferred.apply();

    py::dict result;
    result["valid"] = valid;
    result["missing"] = missing;
    result["birth_date"] = birthDate;
    result["in_use_at_birth"] = inUseColumn;
    for (int f = 0; f < objectFieldCount; ++f)
        if (columnWanted[f]) result[objectFieldNames[f]] = columns[static_cast<size_t>(f)];
    return result;
}

// ---- One number ----------------------------------------------------------------------

// A Verdict made from its fields in order, stolen. It is made as
// object.__new__ makes it and its slots set through their descriptors, as
// object.__setattr__ would: the frozen dataclass's __init__ costs twice
// the verification.
py::object newVerdict(std::initializer_list<PyObject*> fields) {
    std::vector<py::object> owned;
    for (PyObject* field : fields) {
        if (field == nullptr) throw py::error_already_set();
        owned.push_back(py::reinterpret_steal<py::object>(field));
    }
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

PyObject* newReference(PyObject* object) {
    Py_INCREF(object);
    return object;
}

// verify(text): the Verdict on one str or bytes.
py::object verifyOne(const py::object& value) {
    needTypes();
    const char* data = nullptr;
    Py_ssize_t length = 0;
    PyObject* object = value.ptr();
    if (PyUnicode_Check(object)) {
        data = PyUnicode_AsUTF8AndSize(object, &length);
        if (data == nullptr) {
            // Lone surrogates: verified as their own three bytes each.
            PyErr_Clear();
            PyObject* encoded = PyUnicode_AsEncodedString(object, "utf-8", "surrogatepass");
            if (encoded == nullptr) throw py::error_already_set();
            return verifyOne(py::reinterpret_steal<py::object>(encoded));
        }
    } else if (PyBytes_Check(object)) {
        data = PyBytes_AS_STRING(object);
        length = PyBytes_GET_SIZE(object);
    } else {
        PyErr_Format(PyExc_TypeError, "verify: takes str or bytes, not %s", typeName(object));
        throw py::error_already_set();
    }
    const Row row = rowOf(data, static_cast<size_t>(length), 0);
    const bool isValid = row.reason == IDN_VALID;
    py::object birthText = py::none();
    PyObject* birthDate = Py_None;
    if (isValid) {
        birthText = py::reinterpret_steal<py::object>(newBirthText(row));
        if (isRealDate(row.year, row.month, row.day)) birthDate = PyDate_FromDate(row.year, row.month, row.day);
    }
    if (birthDate == Py_None) Py_INCREF(Py_None);
    PyObject* fields[objectFieldCount];
    bool freshMessage = false;
    RegionEntry* entry = objectFields(row, static_cast<uint64_t>(length), birthText.ptr(), fields, freshMessage);
    if (!freshMessage) Py_INCREF(fields[messageField]);
    PyObject* inUse = entry == nullptr                             ? Py_None
                      : entryInUseAtBirth(*entry, row.year) ? Py_True
                                                                   : Py_False;
    auto field = [&](ObjectField f) { return newReference(fields[f]); };
    return newVerdict({newReference(isValid ? Py_True : Py_False), field(reasonField), fields[messageField],
                       field(checkField), birthDate, field(birthTextField), field(sexField), field(provinceField),
                       field(cityField), field(countyField), field(kindField), field(statusField),
                       field(historyField), field(successorsField), field(nowField), newReference(inUse)});
}

// ---- Generation, regions, history, conversions ------------------------------------------

// A message of idn_generator_init without idtool's command name. It echoes
// the options, which may not be UTF-8: such bytes are shown escaped.
py::str messageText(const char* message) {
    const char prefix[] = "generate: ";
    if (std::strncmp(message, prefix, sizeof prefix - 1) == 0) message += sizeof prefix - 1;
    PyObject* text = PyUnicode_DecodeUTF8(message, static_cast<Py_ssize_t>(std::strlen(message)), "backslashreplace");
    if (text == nullptr) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(text);
}

// The numbers, and the warning for a birth date that is no real calendar
// date (or an empty text). Raises ValueError with idtool's message.
py::tuple generate(const std::string& region, const py::object& birth, const py::object& bornFrom,
                   const py::object& bornTo, int sex, uint64_t count, const py::object& seed, int asOf) {
    idn_generate_options options{};
    options.region = region.data();
    options.region_length = region.size();
    std::string birthText, fromText, toText;
    if (!birth.is_none()) {
        birthText = birth.cast<std::string>();
        options.birth = birthText.data();
        options.birth_length = birthText.size();
    }
    if (!bornFrom.is_none()) {
        fromText = bornFrom.cast<std::string>();
        toText = bornTo.cast<std::string>();
        options.born_from = fromText.data();
        options.born_from_length = fromText.size();
        options.born_to = toText.data();
        options.born_to_length = toText.size();
    }
    options.sex = sex;
    options.count = count;
    if (!seed.is_none()) {
        options.seed = seed.cast<uint64_t>();
        options.has_seed = 1;
    }
    options.as_of_year = asOf;
    idn_generator generator{};
    char message[IDN_MESSAGE_CAPACITY];
    const int status = idn_generator_init(&generator, &options, message, sizeof message);
    if (status != IDN_OK) {
        PyErr_SetObject(PyExc_ValueError, messageText(message).ptr());
        throw py::error_already_set();
    }

    std::vector<char> numbers;
    {
        py::gil_scoped_release released;
        numbers.resize(static_cast<size_t>(count) * 19);
        for (uint64_t i = 0; i < count; ++i) idn_generator_number(&generator, i, numbers.data() + i * 19, 19);
    }
    py::list list(static_cast<size_t>(count));
    for (uint64_t i = 0; i < count; ++i) {
        PyObject* number = PyUnicode_FromStringAndSize(numbers.data() + i * 19, 18);
        if (number == nullptr) throw py::error_already_set();
        PyList_SET_ITEM(list.ptr(), static_cast<Py_ssize_t>(i), number);
    }
    return py::make_tuple(list, messageText(message));
}

py::object optionalText(const char* text) {
    return text != nullptr ? py::reinterpret_borrow<py::object>(constantText(text)) : py::none();
}

py::list regions(const std::string& query) {
    needTypes();
    py::list found;
    size_t cursor = 0;
    idn_region region{};
    for (;;) {
        const int status = idn_regions_next(query.data(), query.size(), &cursor, &region);
        if (status < 0) throw std::runtime_error("idn_regions_next failed");
        if (status == 0) break;
        PyObject* name = constantText(region.name);
        PyObject* level = constantText(region.level);
        PyObject* province = constantText(region.province);
        Py_INCREF(name);
        Py_INCREF(level);
        Py_INCREF(province);
        found.append(py::reinterpret_steal<py::object>(newInstance(
            types.region, newInteger(region.code), name, level, province, optionalText(region.city).release().ptr())));
    }
    return found;
}

py::object history(int32_t code) {
    if (code < 0 || code >= codeSlots) throw py::value_error("a region code is six digits");
    return py::reinterpret_borrow<py::object>(regionEntry(code).history);
}

// The 18-character form, or the status of the refusal (an empty text then).
py::tuple upgrade(const py::bytes& text) {
    const std::string bytes = text;
    char out[19];
    const int status = idn_upgrade(bytes.data(), bytes.size(), out, sizeof out);
    return py::make_tuple(status, status == IDN_OK ? std::string(out, 18) : std::string());
}

py::bytes mask(const py::bytes& text) {
    const std::string bytes = text;
    size_t needed = 0;
    idn_mask(bytes.data(), bytes.size(), nullptr, 0, &needed);
    std::string out(needed + 1, '\0');
    if (idn_mask(bytes.data(), bytes.size(), out.data(), out.size(), &needed) != IDN_OK)
        throw std::runtime_error("idn_mask failed");
    out.resize(needed);
    return py::bytes(out);
}

void setTypes(const py::object& verdict, const py::tuple& verdictFields, const py::object& historyRecord,
              const py::object& successor, const py::object& presentCode, const py::object& region) {
    if (verdictFields.size() != 16) throw std::runtime_error("Verdict has 16 fields");
    for (const py::handle name : verdictFields) {
        py::object slot = verdict.attr(name);
        if (Py_TYPE(slot.ptr())->tp_descr_set == nullptr) throw std::runtime_error("Verdict's fields are slots");
        types.verdictSlots.push_back(slot.release().ptr());
    }
    types.verdict = verdict.inc_ref().ptr();
    for (const py::object* type : {&historyRecord, &successor, &presentCode, &region}) type->inc_ref();
    types.historyRecord = historyRecord.ptr();
    types.successor = successor.ptr();
    types.presentCode = presentCode.ptr();
    types.region = region.ptr();
}

// pandas' missing markers, told once pandas is imported (no value can be one
// before), so that importing idnumber does not import pandas.
void setMissing(const py::tuple& missing) {
    for (const py::handle marker : missing) types.missing.push_back(marker.inc_ref().ptr());
}

}  // namespace

PYBIND11_MODULE(_native, module) {
    PyDateTime_IMPORT;
    if (PyDateTimeAPI == nullptr) throw py::error_already_set();
    module.doc() = "The C API of the identity-number library, for idnumber; use idnumber's functions.";
    module.def("set_types", &setTypes);
    module.def("set_missing", &setMissing);
    module.def("verify_one", &verifyOne);
    module.def("verify_batch", &verifyBatch, py::arg("values"), py::arg("nanoseconds"), py::arg("fields") = py::none());
    module.def("generate", &generate);
    module.def("regions", &regions);
    module.def("history", &history);
    module.def("upgrade", &upgrade);
    module.def("mask", &mask);
    module.def("version", [] { return std::string(idn_version_string()); });
    module.attr("OK") = static_cast<int>(IDN_OK);
    module.attr("NOT_FIFTEEN_DIGITS") = static_cast<int>(IDN_ERROR_NOT_FIFTEEN_DIGITS);
    module.attr("MONTH_ABOVE_12") = static_cast<int>(IDN_ERROR_MONTH_ABOVE_12);
    module.attr("DAY_ABOVE_31") = static_cast<int>(IDN_ERROR_DAY_ABOVE_31);
    module.attr("SEX_ANY") = static_cast<int>(IDN_SEX_ANY);
    module.attr("SEX_MALE") = static_cast<int>(IDN_SEX_MALE);
    module.attr("SEX_FEMALE") = static_cast<int>(IDN_SEX_FEMALE);
}
