// scan.cpp: the scanner of the C API (capi/idnumber.h, "Finding numbers in
// text") for idnumber/_scan.py, which checks the arguments and gives this
// file the options as the C API takes them.
//
// It offers:
//   Scanner(options)           one stream: find_piece, redact_piece, summary,
//                              redact_number
//   find_batch(values, ...)    the matches of many texts as NumPy columns
//   redact_batch(values, ...)  many texts redacted, and their summary
//
// Options come as a tuple of twelve values, one per option from
// IDN_OPTION_ENCODING to IDN_OPTION_KEEP: None (not set), an int, or bytes
// (the label and the key). A refusal is idnumber.IdNumberError with the
// library's message in the module's parameter names.
//
// Texts. bytes (and, one at a time, any bytes-like object) are read as they
// are. A str is read as its UTF-8: to find in, with every lone surrogate as
// U+FFFD, so that the scanner's characters are the str's indices one for
// one; to redact, with U+DC80-U+DCFF as the bytes errors="surrogateescape"
// escaped (the module's rule for every text), so that the redacted str
// gives them back.
//
// The GIL is released while the library reads. A batch takes a chunk of
// rows at a time: with the GIL held, a reference to each row; without it,
// each row scanned by one scanner prepared once and restarted per row (the
// restart costs a few stores; preparing it again, a context of 16 KB and
// the clock); with the GIL again, the chunk's objects, and pending signals.
// A Scanner object is used by one thread at a time; another thread's call
// meanwhile raises RuntimeError.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <datetime.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "native_shared.h"

namespace idnumber_python {
namespace {

constexpr int firstScanOption = IDN_OPTION_ENCODING;
constexpr int scanOptionCount = IDN_OPTION_KEEP - IDN_OPTION_ENCODING + 1;

// ---- Python types of the scanner ---------------------------------------------------

// idnumber.Match (a frozen dataclass with slots, the descriptors of its
// slots in field order), idnumber.Summary, and the Confidence members by
// idn_confidence_t, set once by idnumber/_scan.py.
struct ScanTypes {
    PyObject* match = nullptr;
    std::vector<PyObject*> matchSlots;
    PyObject* summary = nullptr;
    PyObject* confidences[IDN_CONFIDENCE_HIGH + 1] = {};
};
ScanTypes scanTypes;

void needScanTypes() {
    if (scanTypes.match == nullptr) throw std::runtime_error("idnumber._native.set_scan_types was not called");
}

// ---- Option names ----------------------------------------------------------------------

// The module's parameter for each option of a scan (IdNumberError.option).
const char* parameterName(int option) {
    switch (option) {
    case IDN_OPTION_ENCODING: return "encoding";
    case IDN_OPTION_FIFTEEN_DIGITS: return "fifteen_digits";
    case IDN_OPTION_MIN_CONFIDENCE: return "min_confidence";
    case IDN_OPTION_AS_OF_DATE: return "as_of";
    case IDN_OPTION_REDACTION: return "way";
    case IDN_OPTION_MASK_FIRST: return "first";
    case IDN_OPTION_MASK_LAST: return "last";
    case IDN_OPTION_LABEL: return "label";
    case IDN_OPTION_KEY: return "key";
    case IDN_OPTION_TOKEN_ALPHABET: return "alphabet";
    case IDN_OPTION_TOKEN_LENGTH: return "length";
    case IDN_OPTION_KEEP: return "keep";
    default: return nullptr;
    }
}

// The words of the library's messages, indexed by idn_option_t: the
// parameters' names, but the way of redaction's, which its messages use as
// a noun ("the token and pseudonym ways of redaction"). The module checks
// the way's word itself, so no message refuses it by name.
constexpr size_t messageNameCount = IDN_OPTION_KEEP + 1;

const char* const* messageNames() {
    static const struct Names {
        const char* words[messageNameCount];
        Names() : words() {
            for (int option = firstScanOption; option <= IDN_OPTION_KEEP; ++option)
                words[option] = option == IDN_OPTION_REDACTION ? nullptr : parameterName(option);
        }
    } names;
    return names.words;
}

// ---- Options ---------------------------------------------------------------------------

bool isTextOption(int option) { return option == IDN_OPTION_LABEL || option == IDN_OPTION_KEY; }

// Overwrites memory that held a secret, where the compiler may not skip it:
// the empty assembly says the zeros may be read. (A loop of volatile stores
// took 10 us for a scanner's 16 KB, more than a call of redact.)
void wipe(void* memory, size_t size) {
    std::memset(memory, 0, size);
#if defined(__GNUC__)
    __asm__ __volatile__("" : : "r"(memory) : "memory");
#else
    volatile unsigned char* bytes = static_cast<volatile unsigned char*>(memory);
    for (size_t i = 0; i < size; ++i) bytes[i] = 0;
#endif
}

// The options as given, kept to give a scanner again ("prepare" per row)
// and to word a refusal of an int that no 64-bit integer holds: such a value
// is given as the nearest one, which the library refuses in its place in
// the order, and the message names the caller's digits.
class ScanOptionValues {
public:
    explicit ScanOptionValues(const py::tuple& options) {
        if (options.size() != scanOptionCount) throw std::runtime_error("a scan takes twelve options");
        for (int i = 0; i < scanOptionCount; ++i) {
            const py::handle value = options[static_cast<size_t>(i)];
            if (value.is_none()) continue;
            given_[i] = true;
            if (isTextOption(firstScanOption + i)) {
                if (!PyBytes_Check(value.ptr())) throw std::runtime_error("the label and the key are bytes here");
                texts_[i].assign(PyBytes_AS_STRING(value.ptr()), static_cast<size_t>(PyBytes_GET_SIZE(value.ptr())));
                continue;
            }
            if (!PyLong_Check(value.ptr())) throw std::runtime_error("a scan's options are ints or bytes here");
            int overflow = 0;
            const long long number = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
            if (number == -1 && PyErr_Occurred()) throw py::error_already_set();
            if (overflow != 0) {
                integers_[i] = overflow > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
                standIns_[i] = py::str(value).cast<std::string>();
            } else {
                integers_[i] = number;
            }
        }
    }
    ScanOptionValues(const ScanOptionValues&) = delete;
    ScanOptionValues& operator=(const ScanOptionValues&) = delete;
    ~ScanOptionValues() {
        std::string& key = texts_[IDN_OPTION_KEY - firstScanOption];
        if (!key.empty()) wipe(&key[0], key.size());
    }

    // Gives the options to a scanner just initialised. Never needs the GIL.
    int apply(idn_scanner_t& scanner) const {
        for (int i = 0; i < scanOptionCount; ++i) {
            if (!given_[i]) continue;
            const int option = firstScanOption + i;
            const int status = isTextOption(option)
                                   ? idn_scanner_set_text(&scanner, option, texts_[i].data(), texts_[i].size())
                                   : idn_scanner_set_integer(&scanner, option, integers_[i]);
            if (status != IDN_OK) return status;
        }
        return IDN_OK;
    }

    // Initialises and prepares `scanner`; raises IdNumberError with the
    // first refusal.
    void prepare(idn_scanner_t& scanner) const {
        int status = idn_scanner_init(&scanner, sizeof scanner);
        if (status != IDN_OK) raiseStatus("idn_scanner_init", status);
        status = apply(scanner);
        if (status != IDN_OK) raiseStatus("a scanner's setter", status);
        status = idn_scanner_prepare(&scanner);
        if (status == IDN_OK) return;
        int32_t option = IDN_OPTION_NONE;
        idn_scanner_refusal(&scanner, nullptr, &option);
        char text[IDN_MESSAGE_SIZE];
        size_t written = 0;
        const int worded =
            idn_scanner_message(&scanner, messageNames(), messageNameCount, text, sizeof text, &written);
        if (worded != IDN_OK) raiseStatus("idn_scanner_message", worded);
        std::string message(text, written);
        const int i = option - firstScanOption;
        if (i >= 0 && i < scanOptionCount && !standIns_[i].empty()) {
            const std::string nearest = std::to_string(integers_[i]);
            const size_t at = message.rfind(nearest);
            if (at != std::string::npos) message.replace(at, nearest.size(), standIns_[i]);
        }
        raiseRefusal(message.data(), message.size(), status, parameterName(option));
    }

private:
    bool given_[scanOptionCount] = {};
    int64_t integers_[scanOptionCount] = {};
    std::string texts_[scanOptionCount];
    std::string standIns_[scanOptionCount];
};

// A scanner's storage, wiped when it goes (it holds the key, made ready for
// HMAC).
struct ScannerStorage {
    idn_scanner_t scanner;
    ~ScannerStorage() { wipe(&scanner, sizeof scanner); }
};

// ---- Bytes of texts ----------------------------------------------------------------------

// A growing buffer of bytes, never cleared on growth (what is written is
// read).
class ByteBuffer {
public:
    char* data() { return data_.get(); }
    size_t size() const { return size_; }
    void clear() { size_ = 0; }
    // Room for `more` bytes after size(); returns where they go.
    char* room(size_t more) {
        if (size_ + more > capacity_) {
            size_t capacity = capacity_ < 4096 ? 4096 : capacity_;
            while (capacity < size_ + more) capacity *= 2;
            std::unique_ptr<char[]> grown(new char[capacity]);
            if (size_ > 0) std::memcpy(grown.get(), data_.get(), size_);
            data_ = std::move(grown);
            capacity_ = capacity;
        }
        return data_.get() + size_;
    }
    void grow(size_t written) { size_ += written; }

private:
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

// How a str's lone surrogates reach the scanner (see the top of the file).
enum class Surrogates { replaced, escapedBytes };

// The UTF-8 of a str's code points into `out`, from its start. Reads the
// str's own memory only, so it runs without the GIL while the str is
// referenced.
template <typename Unit>
size_t encodeUnits(const Unit* units, size_t count, Surrogates rule, ByteBuffer& out) {
    constexpr size_t most = sizeof(Unit) == 1 ? 2 : sizeof(Unit) == 2 ? 3 : 4;
    out.clear();
    char* const start = out.room(count * most);
    char* at = start;
    for (size_t i = 0; i < count; ++i) {
        uint32_t c = units[i];
        if (rule == Surrogates::replaced && c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
        at = putUtf8(at, c);
    }
    out.grow(static_cast<size_t>(at - start));
    return out.size();
}

// Where a text's bytes are: in place (bytes, a compact ASCII str, a
// buffer), or encoded into `scratch`.
struct TextBytes {
    const char* data;
    size_t size;
};

TextBytes strBytes(PyObject* text, Surrogates rule, ByteBuffer& scratch) {
    if (isCompactAscii(text))
        return {static_cast<const char*>(PyUnicode_DATA(text)), static_cast<size_t>(PyUnicode_GET_LENGTH(text))};
    const size_t count = static_cast<size_t>(PyUnicode_GET_LENGTH(text));
    const void* units = PyUnicode_DATA(text);
    switch (PyUnicode_KIND(text)) {
    case PyUnicode_1BYTE_KIND: encodeUnits(static_cast<const Py_UCS1*>(units), count, rule, scratch); break;
    case PyUnicode_2BYTE_KIND: encodeUnits(static_cast<const Py_UCS2*>(units), count, rule, scratch); break;
    default: encodeUnits(static_cast<const Py_UCS4*>(units), count, rule, scratch); break;
    }
    return {scratch.data(), scratch.size()};
}

// One argument's bytes: a str, bytes or any object with a contiguous
// buffer (bytearray, memoryview), held for the call.
class TextArgument {
public:
    TextArgument(PyObject* value, Surrogates rule, const char* what) {
        if (PyUnicode_Check(value)) {
            text_ = true;
            bytes_ = strBytes(value, rule, scratch_);
        } else if (PyBytes_Check(value)) {
            bytes_ = {PyBytes_AS_STRING(value), static_cast<size_t>(PyBytes_GET_SIZE(value))};
        } else if (PyObject_CheckBuffer(value)) {
            if (PyObject_GetBuffer(value, &view_, PyBUF_SIMPLE) != 0) throw py::error_already_set();
            held_ = true;
            bytes_ = {static_cast<const char*>(view_.buf), static_cast<size_t>(view_.len)};
        } else {
            PyErr_Format(PyExc_TypeError, "%s takes str or bytes, not %s", what, typeName(value));
            throw py::error_already_set();
        }
    }
    TextArgument(const TextArgument&) = delete;
    TextArgument& operator=(const TextArgument&) = delete;
    ~TextArgument() {
        if (held_) PyBuffer_Release(&view_);
    }

    bool isText() const { return text_; }
    const TextBytes& bytes() const { return bytes_; }

private:
    ByteBuffer scratch_;
    TextBytes bytes_{"", 0};
    Py_buffer view_{};
    bool held_ = false;
    bool text_ = false;
};

// ---- Scanning, without the GIL ---------------------------------------------------------

// The bytes given to the library at once: a long text is read in parts,
// and signals are handled between them (a megabyte takes a millisecond;
// 200 ms where the sanitizers check every access).
constexpr size_t partBytes = 1u << 20;
// A redacted piece needs IDN_REDACT_SIZE(piece) of room: 350 KB for these.
constexpr size_t redactPieceBytes = 64u << 10;

// Feeds `bytes` as one piece (the last when `final`) and appends its
// matches; a status other than IDN_OK on failure.
int findIn(idn_scanner_t& scanner, const char* data, size_t size, bool final, std::vector<idn_match_t>& found) {
    int status = idn_scanner_feed(&scanner, data, size, final ? 1 : 0);
    if (status != IDN_OK) return status;
    for (;;) {
        idn_match_t match;
        match.size = sizeof match;
        status = idn_scanner_next(&scanner, &match);
        if (status == 0) return IDN_OK;
        if (status < 0) return status;
        found.push_back(match);
    }
}

// Redacts `bytes` in pieces of redactPieceBytes (the last final when
// `final`) and appends what the library writes to `out`.
int redactInto(idn_scanner_t& scanner, const char* data, size_t size, bool final, ByteBuffer& out) {
    size_t at = 0;
    do {
        const size_t piece = size - at < redactPieceBytes ? size - at : redactPieceBytes;
        const bool last = at + piece == size;
        const size_t room = idn_redact_size(piece);
        char* const into = out.room(room);
        size_t written = 0;
        const int status =
            idn_scanner_redact(&scanner, data + at, piece, last && final ? 1 : 0, into, room, &written);
        if (status != IDN_OK) return status;
        out.grow(written);
        at += piece;
    } while (at < size);
    return IDN_OK;
}

// ---- Objects of matches ---------------------------------------------------------------------

// The tuple of a form's names (flag order), one per form; borrowed.
PyObject* formObject(int form) {
    static PyObject* objects[16] = {};
    if (form < 0 || form > 15) form = 0;
    if (objects[form] == nullptr) {
        int count = 0;
        for (int flag = 1; flag <= IDN_FORM_FIFTEEN_DIGITS; flag <<= 1) count += (form & flag) != 0;
        py::object tuple = py::reinterpret_steal<py::object>(PyTuple_New(count));
        if (!tuple) throw py::error_already_set();
        int at = 0;
        for (int flag = 1; flag <= IDN_FORM_FIFTEEN_DIGITS; flag <<= 1)
            if (form & flag) PyTuple_SET_ITEM(tuple.ptr(), at++, newReference(constantText(idn_form_name(flag))));
        objects[form] = tuple.release().ptr();
    }
    return objects[form];
}

PyObject* flawObject(int flaw) { return optionalConstantText(idn_flaw_name(flaw)); }

PyObject* keywordObject(const char* keyword) { return optionalConstantText(keyword); }

PyObject* confidenceObject(int confidence) {
    if (confidence < IDN_CONFIDENCE_LOW || confidence > IDN_CONFIDENCE_HIGH) throw std::runtime_error("a confidence");
    return scanTypes.confidences[confidence];
}

bool isValidMatch(const idn_match_t& match) { return match.confidence >= IDN_CONFIDENCE_MEDIUM; }

// A match's start and end in its text's own units: str indices (the
// scanner's characters) or bytes.
void spanOf(const idn_match_t& match, bool text, uint64_t& start, uint64_t& end) {
    start = text ? match.char_offset : match.byte_offset;
    end = start + (text ? match.char_length : match.byte_length);
}

PyObject* newUnsigned(uint64_t value) {
    PyObject* integer = PyLong_FromUnsignedLongLong(value);
    if (integer == nullptr) throw py::error_already_set();
    return integer;
}

// A Match made from its fields in order, stolen, as object.__new__ makes it
// and its slots set through their descriptors (a frozen dataclass's
// __init__ costs more than finding).
py::object newMatch(const idn_match_t& match, bool text) {
    uint64_t start = 0, end = 0;
    spanOf(match, text, start, end);
    const bool valid = isValidMatch(match);
    RegionEntry* entry = valid ? &regionEntry(match.region_code, match.birth_year) : nullptr;
    PyObject* birthDate = Py_None;
    if (valid) {
        birthDate = PyDate_FromDate(match.birth_year, match.birth_month, match.birth_day);
        if (birthDate == nullptr) throw py::error_already_set();
    } else {
        Py_INCREF(Py_None);
    }
    auto optional = [valid](PyObject* object) { return newReference(valid ? object : Py_None); };
    PyObject* fields[] = {
        newUnsigned(start),
        newUnsigned(end),
        newText(match.number, numberLength),
        newReference(confidenceObject(match.confidence)),
        newReference(formObject(match.form)),
        newReference(flawObject(match.flaw)),
        newReference(keywordObject(match.keyword)),
        newUnsigned(match.line),
        newUnsigned(match.column),
        optional(kindObject(match.kind)),
        optional(sexObject(match.sex)),
        birthDate,
        valid ? newInteger(match.region_code) : newReference(Py_None),
        optional(entry != nullptr ? entry->province() : Py_None),
        optional(entry != nullptr ? entry->city() : Py_None),
        optional(entry != nullptr ? entry->county() : Py_None),
    };
    constexpr size_t count = sizeof fields / sizeof fields[0];
    std::vector<py::object> owned;
    owned.reserve(count);
    for (PyObject* field : fields) owned.push_back(py::reinterpret_steal<py::object>(field));
    if (count != scanTypes.matchSlots.size()) throw std::runtime_error("Match's fields changed");
    auto* type = reinterpret_cast<PyTypeObject*>(scanTypes.match);
    py::object record = py::reinterpret_steal<py::object>(PyBaseObject_Type.tp_new(type, emptyTuple(), nullptr));
    if (!record) throw py::error_already_set();
    for (size_t i = 0; i < count; ++i) {
        PyObject* slot = scanTypes.matchSlots[i];
        if (Py_TYPE(slot)->tp_descr_set(slot, record.ptr(), owned[i].ptr()) != 0) throw py::error_already_set();
    }
    return record;
}

py::list matchList(const std::vector<idn_match_t>& found, bool text) {
    py::list matches(found.size());
    for (size_t i = 0; i < found.size(); ++i) matches[i] = newMatch(found[i], text);
    return matches;
}

// The counts of a summary, added up over the rows of a batch.
struct Counts {
    uint64_t values[10] = {};  // Summary's fields in order

    void add(const idn_scan_summary_t& summary) {
        values[0] += summary.matches;
        for (int c = IDN_CONFIDENCE_LOW; c <= IDN_CONFIDENCE_HIGH; ++c) values[c] += summary.by_confidence[c];
        values[4] += summary.plain;
        for (int f = 0; f < 4; ++f) values[5 + f] += summary.by_form[f];
        values[9] += summary.bytes;
    }
};

idn_scan_summary_t summaryOf(const idn_scanner_t& scanner) {
    idn_scan_summary_t summary{};
    summary.size = sizeof summary;
    const int status = idn_scanner_summary(&scanner, &summary);
    if (status != IDN_OK) raiseStatus("idn_scanner_summary", status);
    return summary;
}

py::object summaryObject(const Counts& counts) {
    py::tuple fields(10);
    for (size_t i = 0; i < 10; ++i) fields[i] = py::reinterpret_steal<py::object>(newUnsigned(counts.values[i]));
    return py::reinterpret_borrow<py::object>(scanTypes.summary)(*fields);
}

// ---- One stream ----------------------------------------------------------------------------

// Marks a Scanner in use for a call, so that another thread's call on it
// while the GIL is released is refused instead of sharing the context.
class InUse {
public:
    explicit InUse(bool& busy) : busy_(busy) {
        if (busy_) {
            PyErr_SetString(PyExc_RuntimeError, "this stream is being read by another thread");
            throw py::error_already_set();
        }
        busy_ = true;
    }
    InUse(const InUse&) = delete;
    InUse& operator=(const InUse&) = delete;
    ~InUse() { busy_ = false; }

private:
    bool& busy_;
};

// A scan of one stream, finding or redacting, pieces given one by one.
class Scanner {
public:
    explicit Scanner(const py::tuple& options) : storage_(new ScannerStorage) {
        needTypes();
        needScanTypes();
        const ScanOptionValues values(options);
        values.prepare(storage_->scanner);
    }

    // The matches that this piece completes (with `final`, all that are
    // left), offsets from the stream's start in the piece's units.
    py::list findPiece(const py::object& piece, bool final) {
        const InUse inUse(busy_);
        const TextArgument text(piece.ptr(), Surrogates::replaced, "find");
        const Reading reading(broken_);
        std::vector<idn_match_t> found;
        const TextBytes& bytes = text.bytes();
        size_t at = 0;
        do {
            const size_t part = bytes.size - at < partBytes ? bytes.size - at : partBytes;
            const bool last = at + part == bytes.size;
            int status = IDN_OK;
            {
                py::gil_scoped_release released;
                status = findIn(storage_->scanner, bytes.data + at, part, last && final, found);
            }
            if (status != IDN_OK) raiseStatus("idn_scanner_feed", status);
            checkSignals();
            at += part;
        } while (at < bytes.size);
        py::list matches = matchList(found, text.isText());
        reading.done();
        return matches;
    }

    // The piece redacted, as far as it is decided (with `final`, all of
    // it): bytes, UTF-8 for a str.
    py::bytes redactPiece(const py::object& piece, bool final) {
        const InUse inUse(busy_);
        const TextArgument text(piece.ptr(), Surrogates::escapedBytes, "redact");
        const Reading reading(broken_);
        const TextBytes& bytes = text.bytes();
        ByteBuffer out;
        size_t at = 0;
        do {
            const size_t part = bytes.size - at < partBytes ? bytes.size - at : partBytes;
            const bool last = at + part == bytes.size;
            int status = IDN_OK;
            {
                py::gil_scoped_release released;
                status = redactInto(storage_->scanner, bytes.data + at, part, last && final, out);
            }
            if (status == IDN_ERROR_CRYPTO) {
                PyErr_SetString(PyExc_RuntimeError, "redact: the system's cryptography failed");
                throw py::error_already_set();
            }
            if (status != IDN_OK) raiseStatus("idn_scanner_redact", status);
            checkSignals();
            at += part;
        } while (at < bytes.size);
        PyObject* result = PyBytes_FromStringAndSize(out.data(), static_cast<Py_ssize_t>(out.size()));
        if (result == nullptr) throw py::error_already_set();
        reading.done();
        return py::reinterpret_steal<py::bytes>(result);
    }

    py::object summary() {
        const InUse inUse(busy_);
        Counts counts;
        counts.add(summaryOf(storage_->scanner));
        return summaryObject(counts);
    }

    // One number held alone, redacted (str for a str, else bytes), or None
    // when the text is not one number.
    py::object redactNumber(const py::object& number) {
        const InUse inUse(busy_);
        const TextArgument text(number.ptr(), Surrogates::escapedBytes, "redact_number");
        char out[IDN_REDACT_NUMBER_SIZE];
        size_t written = 0;
        const int status = idn_scanner_redact_number(&storage_->scanner, text.bytes().data, text.bytes().size, out,
                                                     sizeof out, &written);
        if (status == IDN_ERROR_NOT_FOUND) return py::none();
        if (status == IDN_ERROR_CRYPTO) {
            PyErr_SetString(PyExc_RuntimeError, "redact_number: the system's cryptography failed");
            throw py::error_already_set();
        }
        if (status != IDN_OK) raiseStatus("idn_scanner_redact_number", status);
        PyObject* result = text.isText() ? PyUnicode_DecodeUTF8(out, static_cast<Py_ssize_t>(written), "surrogateescape")
                                         : PyBytes_FromStringAndSize(out, static_cast<Py_ssize_t>(written));
        if (result == nullptr) throw py::error_already_set();
        return py::reinterpret_steal<py::object>(result);
    }

private:
    // A piece's call that ends early (Ctrl-C between its parts, a failure)
    // has given the library bytes whose matches or output were never
    // returned: the stream cannot go on without a hole, and every later
    // piece is refused.
    class Reading {
    public:
        explicit Reading(bool& broken) : broken_(broken) {
            if (broken_) {
                PyErr_SetString(PyExc_RuntimeError,
                                "this stream was interrupted in an earlier piece, whose output is lost; begin a new "
                                "one");
                throw py::error_already_set();
            }
            broken_ = true;
        }
        Reading(const Reading&) = delete;
        Reading& operator=(const Reading&) = delete;
        void done() const { broken_ = false; }

    private:
        bool& broken_;
    };

    std::unique_ptr<ScannerStorage> storage_;
    bool busy_ = false;
    bool broken_ = false;
};

// ---- Batches ----------------------------------------------------------------------------

// How each row's scan begins: by restarting the scanner prepared once (what
// the module does), from a copy of it made after preparing, or by preparing
// a new one; the last two are there to be measured against the first.
enum class Reuse { restart, copy, prepare };

Reuse reuseOf(const std::string& word) {
    if (word == "restart") return Reuse::restart;
    if (word == "copy") return Reuse::copy;
    if (word == "prepare") return Reuse::prepare;
    throw std::runtime_error("reuse is restart, copy or prepare");
}

// The rows of a batch: a list or tuple, or a one-dimensional NumPy array of
// objects (idnumber/_scan.py makes every other collection one of these). A
// list is read as it is when each chunk's turn comes.
class BatchRows {
public:
    BatchRows(const py::object& values, const char* caller) : owner_(values), caller_(caller) {
        PyObject* object = values.ptr();
        if (PyList_Check(object) || PyTuple_Check(object)) {
            sequence_ = true;
            count_ = static_cast<size_t>(PySequence_Fast_GET_SIZE(object));
            return;
        }
        if (!py::isinstance<py::array>(values)) throw std::runtime_error("a batch is a list, a tuple or an array");
        const py::array array = py::reinterpret_borrow<py::array>(values);
        if (array.ndim() != 1 || array.dtype().kind() != 'O')
            throw std::runtime_error("a batch is a list, a tuple or a one-dimensional array of objects");
        base_ = static_cast<const char*>(array.data());
        stride_ = array.strides(0);
        count_ = static_cast<size_t>(array.shape(0));
    }

    size_t count() const { return count_; }

    // Row i, borrowed.
    PyObject* row(size_t i) const {
        if (sequence_) {
            if (static_cast<size_t>(PySequence_Fast_GET_SIZE(owner_.ptr())) != count_) {
                PyErr_Format(PyExc_RuntimeError, "%s: the list changed length while it was read", caller_);
                throw py::error_already_set();
            }
            return PySequence_Fast_ITEMS(owner_.ptr())[i];
        }
        PyObject* item = nullptr;
        std::memcpy(&item, base_ + static_cast<Py_ssize_t>(i) * stride_, sizeof item);
        return item != nullptr ? item : Py_None;
    }

private:
    py::object owner_;
    const char* caller_;
    bool sequence_ = false;
    const char* base_ = nullptr;
    Py_ssize_t stride_ = 0;
    size_t count_ = 0;
};

enum class RowKind : uint8_t { missing, text, bytes };

// A chunk of rows, each referenced while the GIL is released: a list's
// item may be replaced by another thread meanwhile.
struct ChunkRows {
    std::vector<PyObject*> objects;
    std::vector<RowKind> kinds;

    ~ChunkRows() { release(); }
    void release() {
        for (PyObject* object : objects) Py_DECREF(object);
        objects.clear();
        kinds.clear();
    }

    // Takes rows from `start` until `most` rows or about `budget` bytes of
    // text; returns how many. TypeError names a row that is neither text nor
    // missing, ValueError a str where `strRefusal` (the reason) is given.
    size_t take(const BatchRows& rows, size_t start, size_t most, size_t budget, const char* caller,
                const char* strRefusal) {
        release();
        size_t bytes = 0;
        size_t taken = 0;
        while (start + taken < rows.count() && taken < most && bytes < budget) {
            PyObject* item = rows.row(start + taken);
            RowKind kind = RowKind::missing;
            if (PyUnicode_Check(item)) {
                if (strRefusal != nullptr) {
                    PyErr_Format(PyExc_ValueError, "%s: item %zu is a str: %s", caller, start + taken, strRefusal);
                    throw py::error_already_set();
                }
                kind = RowKind::text;
                bytes += static_cast<size_t>(PyUnicode_GET_LENGTH(item)) * static_cast<size_t>(PyUnicode_KIND(item));
            } else if (PyBytes_Check(item)) {
                kind = RowKind::bytes;
                bytes += static_cast<size_t>(PyBytes_GET_SIZE(item));
            } else if (!isMissing(item)) {
                PyErr_Format(PyExc_TypeError, "%s: item %zu is %s, not str or bytes", caller, start + taken,
                             typeName(item));
                throw py::error_already_set();
            }
            Py_INCREF(item);
            objects.push_back(item);
            kinds.push_back(kind);
            ++taken;
        }
        return taken;
    }
};

constexpr size_t chunkRowsMost = 16384;
constexpr size_t chunkBytesBudget = 8u << 20;

// The scanner of a batch's rows, prepared once; each row begun as `reuse`
// says.
class BatchScanner {
public:
    BatchScanner(const py::tuple& options, Reuse reuse)
        : values_(options), reuse_(reuse), storage_(new ScannerStorage) {
        values_.prepare(storage_->scanner);
        if (reuse_ == Reuse::copy) {
            pristine_.reset(new ScannerStorage);
            std::memcpy(&pristine_->scanner, &storage_->scanner, sizeof(idn_scanner_t));
        }
        fresh_ = true;
    }

    idn_scanner_t& scanner() { return storage_->scanner; }

    // Begins the next row's stream. Never needs the GIL.
    int begin() {
        if (fresh_) {
            fresh_ = false;
            return IDN_OK;
        }
        switch (reuse_) {
        case Reuse::restart: return idn_scanner_restart(&storage_->scanner);
        case Reuse::copy: std::memcpy(&storage_->scanner, &pristine_->scanner, sizeof(idn_scanner_t)); return IDN_OK;
        case Reuse::prepare: {
            int status = idn_scanner_init(&storage_->scanner, sizeof(idn_scanner_t));
            if (status == IDN_OK) status = values_.apply(storage_->scanner);
            if (status == IDN_OK) status = idn_scanner_prepare(&storage_->scanner);
            return status;
        }
        }
        return IDN_ERROR_BAD_ARGUMENT;
    }

private:
    ScanOptionValues values_;
    Reuse reuse_;
    std::unique_ptr<ScannerStorage> storage_;
    std::unique_ptr<ScannerStorage> pristine_;
    bool fresh_ = false;
};

// A status met without the GIL, raised with it.
void raiseBatchStatus(const char* caller, int status) {
    if (status == IDN_ERROR_CRYPTO) {
        PyErr_Format(PyExc_RuntimeError, "%s: the system's cryptography failed", caller);
        throw py::error_already_set();
    }
    raiseStatus(caller, status);
}

// ---- find_batch ----------------------------------------------------------------------------

struct FoundRow {
    size_t row;
    bool text;
    idn_match_t match;
};

template <typename T>
py::array_t<T> newArray(size_t count) {
    return py::array_t<T>(static_cast<py::ssize_t>(count));
}

py::array newObjectArray(size_t count) {
    return py::array(py::dtype("O"), std::vector<py::ssize_t>{static_cast<py::ssize_t>(count)});
}

// Every match of every row, as columns: "row" (the row's position), and
// Match's fields: start, end, line, column (int64), number, form, flaw,
// keyword, kind, sex, province, city, county (objects), confidence (int8,
// 0 low to 2 high), birth_date (int64 days since 1970, or nanoseconds, NaT
// for none), region_code (int32, -1 for none).
py::dict findBatch(const py::object& values, const py::tuple& options, bool nanoseconds,
                   const py::object& strRefusal, const std::string& reuse) {
    needTypes();
    needScanTypes();
    const char* const caller = "find_many";
    const BatchRows rows(values, caller);
    BatchScanner batch(options, reuseOf(reuse));
    const std::string refusal = strRefusal.is_none() ? std::string() : strRefusal.cast<std::string>();
    const char* const refused = strRefusal.is_none() ? nullptr : refusal.c_str();
    std::vector<FoundRow> found;
    std::vector<idn_match_t> matches;
    ChunkRows chunk;
    ByteBuffer scratch;
    for (size_t start = 0; start < rows.count();) {
        const size_t taken = chunk.take(rows, start, chunkRowsMost, chunkBytesBudget, caller, refused);
        int failed = IDN_OK;
        {
            py::gil_scoped_release released;
            for (size_t r = 0; r < taken && failed == IDN_OK; ++r) {
                if (chunk.kinds[r] == RowKind::missing) continue;
                const bool text = chunk.kinds[r] == RowKind::text;
                const TextBytes bytes =
                    text ? strBytes(chunk.objects[r], Surrogates::replaced, scratch)
                         : TextBytes{PyBytes_AS_STRING(chunk.objects[r]),
                                     static_cast<size_t>(PyBytes_GET_SIZE(chunk.objects[r]))};
                failed = batch.begin();
                if (failed != IDN_OK) break;
                matches.clear();
                failed = findIn(batch.scanner(), bytes.data, bytes.size, true, matches);
                for (const idn_match_t& match : matches) found.push_back(FoundRow{start + r, text, match});
            }
        }
        if (failed != IDN_OK) raiseBatchStatus(caller, failed);
        chunk.release();
        checkSignals();
        start += taken;
    }

    const size_t count = found.size();
    py::array_t<int64_t> row = newArray<int64_t>(count), startColumn = newArray<int64_t>(count),
                         endColumn = newArray<int64_t>(count), line = newArray<int64_t>(count),
                         column = newArray<int64_t>(count), birthDate = newArray<int64_t>(count);
    py::array_t<int8_t> confidence = newArray<int8_t>(count);
    py::array_t<int32_t> regionCode = newArray<int32_t>(count);
    const char* const objectNames[] = {"number", "form", "flaw", "keyword", "kind", "sex", "province", "city", "county"};
    constexpr size_t objectCount = sizeof objectNames / sizeof objectNames[0];
    std::vector<py::array> objects;
    std::vector<PyObject**> cells;
    for (size_t f = 0; f < objectCount; ++f) {
        objects.push_back(newObjectArray(count));
        // NumPy makes an object array of NULLs; each cell is set once.
        cells.push_back(static_cast<PyObject**>(objects.back().mutable_data()));
    }
    int64_t* const rowData = row.mutable_data();
    int64_t* const startData = startColumn.mutable_data();
    int64_t* const endData = endColumn.mutable_data();
    int64_t* const lineData = line.mutable_data();
    int64_t* const columnData = column.mutable_data();
    int64_t* const birthData = birthDate.mutable_data();
    int8_t* const confidenceData = confidence.mutable_data();
    int32_t* const codeData = regionCode.mutable_data();
    for (size_t i = 0; i < count; ++i) {
        const idn_match_t& match = found[i].match;
        uint64_t first = 0, end = 0;
        spanOf(match, found[i].text, first, end);
        rowData[i] = static_cast<int64_t>(found[i].row);
        startData[i] = static_cast<int64_t>(first);
        endData[i] = static_cast<int64_t>(end);
        lineData[i] = static_cast<int64_t>(match.line);
        columnData[i] = static_cast<int64_t>(match.column);
        confidenceData[i] = static_cast<int8_t>(match.confidence - IDN_CONFIDENCE_LOW);
        const bool valid = isValidMatch(match);
        codeData[i] = valid ? match.region_code : -1;
        int64_t stamp = notATime;
        RegionEntry* entry = nullptr;
        if (valid) {
            const int64_t days = daysFromCivil(match.birth_year, match.birth_month, match.birth_day);
            stamp = !nanoseconds ? days : days >= firstNanosecondDay ? days * nanosecondsPerDay : notATime;
            entry = &regionEntry(match.region_code, match.birth_year);
        }
        birthData[i] = stamp;
        PyObject* const shared[objectCount] = {
            nullptr,  // the number, made below
            formObject(match.form),
            flawObject(match.flaw),
            keywordObject(match.keyword),
            valid ? kindObject(match.kind) : Py_None,
            valid ? sexObject(match.sex) : Py_None,
            entry != nullptr ? entry->province() : Py_None,
            entry != nullptr ? entry->city() : Py_None,
            entry != nullptr ? entry->county() : Py_None,
        };
        cells[0][i] = newText(match.number, numberLength);
        for (size_t f = 1; f < objectCount; ++f) cells[f][i] = newReference(shared[f]);
    }
    py::dict result;
    result["row"] = row;
    result["start"] = startColumn;
    result["end"] = endColumn;
    result["line"] = line;
    result["column"] = column;
    result["confidence"] = confidence;
    result["birth_date"] = birthDate;
    result["region_code"] = regionCode;
    for (size_t f = 0; f < objectCount; ++f) result[objectNames[f]] = objects[f];
    return result;
}

// ---- redact_batch ----------------------------------------------------------------------------

// Each row redacted, in a list: the row itself where nothing was replaced
// (and where it is missing), else a new str (from UTF-8, surrogate escapes
// given back) or bytes; and the Summary of all the rows.
py::tuple redactBatch(const py::object& values, const py::tuple& options, const py::object& strRefusal,
                      const std::string& reuse) {
    needTypes();
    needScanTypes();
    const char* const caller = "redact_many";
    const BatchRows rows(values, caller);
    BatchScanner batch(options, reuseOf(reuse));
    const std::string refusal = strRefusal.is_none() ? std::string() : strRefusal.cast<std::string>();
    const char* const refused = strRefusal.is_none() ? nullptr : refusal.c_str();
    py::list results(rows.count());
    Counts counts;
    ChunkRows chunk;
    ByteBuffer scratch, out;
    struct Written {
        size_t offset;
        size_t length;
        bool replaced;
    };
    std::vector<Written> written;
    for (size_t start = 0; start < rows.count();) {
        const size_t taken = chunk.take(rows, start, chunkRowsMost, chunkBytesBudget, caller, refused);
        written.assign(taken, Written{0, 0, false});
        out.clear();
        int failed = IDN_OK;
        {
            py::gil_scoped_release released;
            for (size_t r = 0; r < taken && failed == IDN_OK; ++r) {
                if (chunk.kinds[r] == RowKind::missing) continue;
                const bool text = chunk.kinds[r] == RowKind::text;
                const TextBytes bytes =
                    text ? strBytes(chunk.objects[r], Surrogates::escapedBytes, scratch)
                         : TextBytes{PyBytes_AS_STRING(chunk.objects[r]),
                                     static_cast<size_t>(PyBytes_GET_SIZE(chunk.objects[r]))};
                failed = batch.begin();
                if (failed != IDN_OK) break;
                const size_t offset = out.size();
                failed = redactInto(batch.scanner(), bytes.data, bytes.size, true, out);
                if (failed != IDN_OK) break;
                idn_scan_summary_t summary{};
                summary.size = sizeof summary;
                failed = idn_scanner_summary(&batch.scanner(), &summary);
                counts.add(summary);
                written[r] = Written{offset, out.size() - offset, summary.matches > 0};
            }
        }
        if (failed != IDN_OK) raiseBatchStatus(caller, failed);
        for (size_t r = 0; r < taken; ++r) {
            PyObject* result = nullptr;
            if (!written[r].replaced) {
                result = newReference(chunk.objects[r]);
            } else {
                const char* data = out.data() + written[r].offset;
                const auto length = static_cast<Py_ssize_t>(written[r].length);
                result = chunk.kinds[r] == RowKind::text ? PyUnicode_DecodeUTF8(data, length, "surrogateescape")
                                                         : PyBytes_FromStringAndSize(data, length);
                if (result == nullptr) throw py::error_already_set();
            }
            PyList_SET_ITEM(results.ptr(), static_cast<Py_ssize_t>(start + r), result);
        }
        chunk.release();
        checkSignals();
        start += taken;
    }
    return py::make_tuple(results, summaryObject(counts));
}

// ---- Types ------------------------------------------------------------------------------------

void setScanTypes(const py::object& match, const py::tuple& matchFields, const py::object& summary,
                  const py::tuple& confidences) {
    if (scanTypes.match != nullptr) throw std::runtime_error("idnumber._native.set_scan_types was called before");
    if (confidences.size() != IDN_CONFIDENCE_HIGH) throw std::runtime_error("three confidences, low to high");
    for (const py::handle name : matchFields) {
        py::object slot = match.attr(name);
        if (Py_TYPE(slot.ptr())->tp_descr_set == nullptr) throw std::runtime_error("Match's fields are slots");
        scanTypes.matchSlots.push_back(slot.release().ptr());
    }
    for (size_t c = 0; c < confidences.size(); ++c) {
        py::object member = confidences[c];
        scanTypes.confidences[IDN_CONFIDENCE_LOW + c] = member.release().ptr();
    }
    scanTypes.summary = summary.inc_ref().ptr();
    scanTypes.match = match.inc_ref().ptr();
}

}  // namespace

void defineScanning(py::module_& module) {
    // The date API is one per translation unit.
    PyDateTime_IMPORT;
    if (PyDateTimeAPI == nullptr) throw py::error_already_set();
    module.def("set_scan_types", &setScanTypes);
    py::class_<Scanner>(module, "Scanner")
        .def(py::init<const py::tuple&>(), py::arg("options"))
        .def("find_piece", &Scanner::findPiece, py::arg("piece"), py::arg("final"))
        .def("redact_piece", &Scanner::redactPiece, py::arg("piece"), py::arg("final"))
        .def("summary", &Scanner::summary)
        .def("redact_number", &Scanner::redactNumber, py::arg("number"));
    module.def("find_batch", &findBatch, py::arg("values"), py::arg("options"), py::arg("nanoseconds"),
               py::arg("str_refusal") = py::none(), py::arg("reuse") = "restart");
    module.def("redact_batch", &redactBatch, py::arg("values"), py::arg("options"),
               py::arg("str_refusal") = py::none(), py::arg("reuse") = "restart");
    module.attr("SCAN_OPTION_COUNT") = scanOptionCount;
    module.attr("KEY_MIN_LENGTH") = static_cast<int>(IDN_KEY_MIN_LENGTH);
}

}  // namespace idnumber_python
