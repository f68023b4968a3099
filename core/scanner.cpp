// The scanner's reading: a loop that takes bytes into the buffer, decides the
// encoding of a stretch in auto, skips what cannot matter and reads the
// rest character by character.
//
// The fast path may only start where nothing is pending (no run of digits
// or letters, no printed group), after an ASCII character. It stops before
// the first byte that matters (or at the end of what it may read), backed up
// over the digits, letters, spaces and hyphens just before it, but never
// more than 32 bytes; from there the characters are read one by one again,
// with the state of "a long run" when the byte before is a digit or letter.
// That is exact: whatever the reading must see starts at most 20 characters
// (one number printed in groups) before the byte the fast path stops at, so
// a run that began more than 32 bytes earlier is too long to be a number or
// a group, and before a byte of any other kind nothing is pending.
#include "core/scanner.h"

#include <cstring>

#include "core/redaction.h"
#include "core/scan_characters.h"

namespace {

constexpr uint16_t runLengthCap = 1000;
constexpr std::size_t skipReplay = 32;
constexpr int firstGroupLength = 6;
constexpr int secondGroupLength = 8;
constexpr int oldSecondGroupLength = 6;

uint64_t streamOffset(const Scanner& s, std::size_t index) { return s.bufferStart + index; }

// --- Shapes of runs -------------------------------------------------------------

bool allDigitsRun(const RunToken& run, int length) { return run.length == length && run.digitCount == length; }

bool plainShaped(const Scanner& s, const RunToken& run) {
    if (run.length == numberLength)
        return run.digitCount == numberLength || (run.digitCount == stemLength && run.checkAtEnd);
    return s.options.fifteenDigits && allDigitsRun(run, oldNumberLength);
}

bool firstGroupShaped(const RunToken& run) { return allDigitsRun(run, firstGroupLength); }

bool secondGroupShaped(const Scanner& s, const RunToken& run) {
    return allDigitsRun(run, secondGroupLength) || (s.options.fifteenDigits && allDigitsRun(run, oldSecondGroupLength));
}

bool lastGroupShaped(const RunToken& second, const RunToken& run) {
    if (second.length == secondGroupLength)
        return run.length == 4 && (run.digitCount == 4 || (run.digitCount == 3 && run.checkAtEnd));
    return allDigitsRun(run, 3);
}

// --- Keywords -------------------------------------------------------------------

bool asciiAlphanumeric(uint32_t point) {
    return (point >= '0' && point <= '9') || (point >= 'a' && point <= 'z') || (point >= 'A' && point <= 'Z');
}
bool asciiLetter(uint32_t point) { return (point >= 'a' && point <= 'z') || (point >= 'A' && point <= 'Z'); }
bool asciiUpper(uint32_t point) { return point >= 'A' && point <= 'Z'; }
bool asciiLower(uint32_t point) { return point >= 'a' && point <= 'z'; }

DecodedCharacter decodeAt(const Scanner& s, const unsigned char* bytes, std::size_t available) {
    return s.gbk ? decodeGbkCharacter(bytes, available) : decodeUtf8Character(bytes, available);
}

// The bytes from `index` the current stretch still holds.
std::size_t availableAt(const Scanner& s, std::size_t index) {
    std::size_t available = s.length - index;
    if (s.stretchEnd != UINT64_MAX) {
        const uint64_t left = s.stretchEnd - streamOffset(s, index);
        if (left < available) available = static_cast<std::size_t>(left);
    }
    return available;
}

// The keyword that matches at `index` (whose first character is `first`),
// the longest if several do; null for none.
const ScanKeyword* keywordAt(const Scanner& s, std::size_t index, uint32_t first) {
    const unsigned char* bytes = s.buffer + index;
    const std::size_t available = availableAt(s, index);
    const ScanKeyword* best = nullptr;
    for (int k = 0; k < scanKeywordCount; ++k) {
        const ScanKeyword& keyword = scanKeywords[k];
        if (keyword.codePoints[0] != (keyword.ascii ? foldAscii(first) : first)) continue;
        if (best != nullptr && best->length >= keyword.length) continue;
        std::size_t at = 0;
        bool matched = true;
        for (int c = 0; c < keyword.length && matched; ++c) {
            if (at >= available) {
                matched = false;
                break;
            }
            const DecodedCharacter character = decodeAt(s, bytes + at, available - at);
            const uint32_t point = keyword.ascii ? foldAscii(character.codePoint) : character.codePoint;
            matched = character.valid && point == keyword.codePoints[c];
            at += character.length;
        }
        if (!matched) continue;
        if (keyword.ascii) {
            // Whole words only, but for camel case: a capital after a small
            // letter begins one, a capital after it ends one.
            const uint32_t before = s.previousCodePoint;
            if (asciiAlphanumeric(before) && !(asciiUpper(bytes[0]) && asciiLower(before))) continue;
            const uint32_t after = at < s.length - index ? bytes[at] : 0;
            if (asciiLetter(after) && !(asciiUpper(after) && asciiLower(bytes[at - 1]))) continue;
        }
        best = &keyword;
    }
    return best;
}

void noteKeyword(Scanner& s, std::size_t index, uint32_t first) {
    const ScanKeyword* found = keywordAt(s, index, first);
    if (found == nullptr) return;
    const uint64_t end = s.point.characters + static_cast<uint64_t>(found->length);
    if (s.keyword == nullptr || end > s.keywordEnd || (end == s.keywordEnd && found->length > s.keyword->length)) {
        s.keyword = found;
        s.keywordEnd = end;
    }
}

// --- Output of a redaction ---------------------------------------------------------

void writeThrough(Scanner& s, uint64_t to) {
    if (to <= s.writtenTo) return;
    const std::size_t from = static_cast<std::size_t>(s.writtenTo - s.bufferStart);
    const std::size_t count = static_cast<std::size_t>(to - s.writtenTo);
    std::memcpy(s.out + s.outLength, s.buffer + from, count);
    s.outLength += count;
    s.writtenTo = to;
}

// The first byte a number may yet begin at: nothing before it can change.
uint64_t pendingStart(const Scanner& s) {
    if (s.prefix.count > 0) return s.prefix.first.start.byte;
    if (s.runActive && s.run.length <= numberLength) return s.run.start.byte;
    return streamOffset(s, s.at);
}

// --- Candidates ---------------------------------------------------------------------

void countMatch(Scanner& s, const ScanMatch& match) {
    ScanSummary& summary = s.summary;
    ++summary.matches;
    ++summary.byConfidence[static_cast<int>(match.confidence)];
    if (match.form == ScanForm::plain) ++summary.plain;
    for (int flag = 0; flag < 4; ++flag)
        if (match.form & (1u << flag)) ++summary.byForm[flag];
}

// The number of the runs (`count` of them: one written together, or three
// groups), judged and, at or above the minimum confidence, taken: kept for
// nextMatch, or written replaced. True when it was taken.
bool takeCandidate(Scanner& s, const RunToken* const* runs, int count) {
    char characters[numberLength];
    int total = 0;
    for (int r = 0; r < count; ++r) {
        std::memcpy(characters + total, runs[r]->characters, runs[r]->length);
        total += runs[r]->length;
    }
    const FoundNumber found = judgeFoundNumber(characters, total, s.options.asOf);
    if (found.confidence == Confidence::none) return false;
    const RunToken& first = *runs[0];
    const RunToken& last = *runs[count - 1];
    const bool keywordInReach =
        s.keyword != nullptr && first.start.characters - s.keywordEnd <= static_cast<uint64_t>(keywordReach);
    Confidence confidence = found.confidence;
    if (confidence == Confidence::medium && keywordInReach) confidence = Confidence::high;
    if (confidence < s.options.minConfidence) return false;

    ScanMatch& match = s.match;
    match = ScanMatch{};
    match.confidence = confidence;
    match.flaw = found.flaw;
    match.form = ScanForm::plain;
    for (int r = 0; r < count; ++r)
        if (runs[r]->fullwidth) match.form |= ScanForm::fullwidth;
    if (last.lowercaseX) match.form |= ScanForm::lowercaseX;
    if (count == 3) match.form |= ScanForm::separated;
    if (total == oldNumberLength) match.form |= ScanForm::fifteenDigits;
    match.byteOffset = first.start.byte;
    match.byteLength = last.endByte - first.start.byte;
    match.utf16Offset = first.start.utf16;
    match.utf16Length = last.endUtf16 - first.start.utf16;
    match.characterOffset = first.start.characters;
    match.characterLength = last.endCharacters - first.start.characters;
    match.line = first.start.line;
    match.column = first.start.characters - first.start.lineStart + 1;
    std::memcpy(match.number, found.number, sizeof match.number);
    match.keyword = keywordInReach ? s.keyword : nullptr;
    match.kind = found.kind;
    match.male = found.male;
    match.birthDate = found.birthDate;
    match.regionCode = found.regionCode;
    countMatch(s, match);

    if (s.mode == ScanMode::find) {
        s.matchReady = true;
        return true;
    }
    MatchLayout layout{};
    layout.count = total;
    int index = 0;
    for (int r = 0; r < count; ++r)
        for (int c = 0; c < runs[r]->length; ++c) layout.characterBytes[index++] = runs[r]->characterBytes[c];
    if (count == 3) {
        layout.separatorCount = 2;
        layout.separatorBytes[0] = s.prefix.separatorBytes[0];
        layout.separatorBytes[1] = s.prefix.separatorBytes[1];
    }
    layout.gbk = first.gbk;
    layout.lowercaseX = last.lowercaseX;
    writeThrough(s, match.byteOffset);
    bool failed = false;
    const unsigned char* original = s.buffer + (match.byteOffset - s.bufferStart);
    const std::size_t written =
        writeReplacement(s.options.redaction, s.options.asOf, found, original, layout, s.out + s.outLength, failed);
    if (failed) s.cryptoFailed = true;
    s.outLength += written;
    s.writtenTo = match.byteOffset + match.byteLength;
    return true;
}

// The run has ended (the character at `at` is no digit or letter, or the
// stream has ended): a number written together, or the last printed group,
// and what the groups before the next one are.
void endRun(Scanner& s) {
    RunToken& run = s.run;
    run.endByte = s.point.byte;
    run.endUtf16 = s.point.utf16;
    run.endCharacters = s.point.characters;
    s.runActive = false;
    GroupPrefix& prefix = s.prefix;
    if (plainShaped(s, run)) {
        const RunToken* runs[1] = {&run};
        takeCandidate(s, runs, 1);
        prefix.count = 0;
        return;
    }
    if (prefix.count == 4 && prefix.separators[0] == prefix.separators[1] && lastGroupShaped(prefix.second, run)) {
        const RunToken* runs[3] = {&prefix.first, &prefix.second, &run};
        if (takeCandidate(s, runs, 3)) {
            prefix.count = 0;
            return;
        }
    }
    switch (prefix.count) {
    case 2:
        if (secondGroupShaped(s, run)) {
            prefix.second = run;
            prefix.count = 3;
            return;
        }
        break;
    case 4:
        // The second group may be the first of another number (6-6-3).
        if (s.options.fifteenDigits && firstGroupShaped(prefix.second) && secondGroupShaped(s, run)) {
            prefix.first = prefix.second;
            prefix.separators[0] = prefix.separators[1];
            prefix.separatorBytes[0] = prefix.separatorBytes[1];
            prefix.second = run;
            prefix.count = 3;
            return;
        }
        break;
    default: break;
    }
    if (firstGroupShaped(run)) {
        prefix.first = run;
        prefix.count = 1;
    } else {
        prefix.count = 0;
    }
}

void addToRun(Scanner& s, const ClassifiedCharacter& character, std::size_t bytes) {
    RunToken& run = s.run;
    if (!s.runActive) {
        s.runActive = true;
        run.start = s.point;
        run.length = 0;
        run.digitCount = 0;
        run.checkAtEnd = false;
        run.lowercaseX = false;
        run.fullwidth = false;
        run.gbk = s.gbk;
    }
    const int index = run.length;
    if (run.length < runLengthCap) ++run.length;
    if (index < numberLength) {
        run.characters[index] = character.kind == ScanClass::digit        ? static_cast<char>('0' + character.value)
                                : character.kind == ScanClass::checkLetter ? 'X'
                                                                           : '?';
        run.characterBytes[index] = static_cast<uint8_t>(bytes);
    }
    const bool afterDigitsOnly = run.digitCount == index;
    if (character.kind == ScanClass::digit && afterDigitsOnly && run.digitCount < 255) ++run.digitCount;
    run.checkAtEnd = character.kind == ScanClass::checkLetter && afterDigitsOnly;
    run.lowercaseX = run.checkAtEnd && character.lowercase;
    if (character.fullwidth) run.fullwidth = true;
}

void addSeparator(Scanner& s, uint32_t point, std::size_t bytes) {
    GroupPrefix& prefix = s.prefix;
    if (prefix.count == 1 || prefix.count == 3) {
        const int which = prefix.count == 1 ? 0 : 1;
        prefix.separators[which] = point;
        prefix.separatorBytes[which] = static_cast<uint8_t>(bytes);
        ++prefix.count;
    } else {
        prefix.count = 0;
    }
}

// What an ASCII character is, looked up rather than classified.
struct AsciiClasses {
    ClassifiedCharacter of[128];
};
constexpr AsciiClasses asciiClasses = [] {
    AsciiClasses table{};
    for (uint32_t point = 0; point < 128; ++point) table.of[point] = classifyCharacter(point);
    return table;
}();

// After a Chinese character in UTF-8, those that follow it, as reading
// them one by one would (each is no digit, letter or separator, and ends
// nothing, as the one before ended the run), but that begin no keyword:
// only counted. The ideographs U+4000-U+9FFF are E4-E9 and two
// continuation bytes, all valid.
void readIdeographs(Scanner& s) {
    const std::size_t end = s.at + availableAt(s, s.at);
    std::size_t at = s.at;
    uint32_t point = s.previousCodePoint;
    while (at + 3 <= end) {
        const unsigned char lead = s.buffer[at], second = s.buffer[at + 1], third = s.buffer[at + 2];
        if (lead < 0xE4 || lead > 0xE9 || (second & 0xC0) != 0x80 || (third & 0xC0) != 0x80) break;
        const uint32_t next = (lead & 0x0Fu) << 12 | (second & 0x3Fu) << 6 | (third & 0x3Fu);
        if (isKeywordInitial(next)) break;
        point = next;
        at += 3;
    }
    const uint64_t count = (at - s.at) / 3;
    s.point.byte += at - s.at;
    s.point.characters += count;
    s.point.utf16 += count;
    s.previousCodePoint = point;
    s.at = at;
}

// Reads the character at `at`.
void readCharacter(Scanner& s) {
    const std::size_t index = s.at;
    const unsigned char lead = s.buffer[index];
    DecodedCharacter decoded;
    ClassifiedCharacter character;
    bool mayBeginKeyword;
    if (lead < 0x80) {
        decoded = {lead, 1, true};
        character = asciiClasses.of[lead];
        mayBeginKeyword = (lead | 0x20) == 'i' || (lead | 0x20) == 's';
    } else {
        decoded = decodeAt(s, s.buffer + index, availableAt(s, index));
        character = decoded.valid ? classifyCharacter(decoded.codePoint)
                                  : ClassifiedCharacter{ScanClass::other, false, false, 0};
        mayBeginKeyword = decoded.valid;
    }
    const bool word = isWordClass(character.kind);
    if (s.runActive && !word) endRun(s);
    if (mayBeginKeyword && isKeywordInitial(decoded.codePoint)) noteKeyword(s, index, decoded.codePoint);
    if (word)
        addToRun(s, character, decoded.length);
    else if (character.kind == ScanClass::separator)
        addSeparator(s, decoded.codePoint, decoded.length);
    else
        s.prefix.count = 0;

    s.point.byte += decoded.length;
    s.point.characters += 1;
    s.point.utf16 += decoded.valid && decoded.codePoint >= 0x10000 ? 2 : 1;
    if (decoded.codePoint == '\n') {
        ++s.point.line;
        s.point.lineStart = s.point.characters;
    }
    s.previousCodePoint = decoded.codePoint;
    s.previousWord = word;
    s.previousAscii = decoded.length == 1 && decoded.valid;
    s.at += decoded.length;
    if (!s.gbk && lead >= 0xE4 && lead <= 0xE9 && decoded.valid && character.kind == ScanClass::other)
        readIdeographs(s);
}

bool idle(const Scanner& s) { return !s.runActive && s.prefix.count == 0 && s.previousAscii; }

// A byte the fast path backs up over before it stops: part of a run of
// digits and letters, or of printed groups.
bool mayBePending(unsigned char byte) { return asciiAlphanumeric(byte) || byte == ' ' || byte == '-'; }

// Skips from `at` over what cannot matter; false when it did not move.
bool skipAhead(Scanner& s) {
    const std::size_t from = s.at;
    std::size_t limit = s.complete ? s.length : s.length - scanLookahead;
    if (s.stretchEnd != UINT64_MAX) {
        const std::size_t stretchLimit = static_cast<std::size_t>(s.stretchEnd - s.bufferStart);
        if (stretchLimit < limit) limit = stretchLimit;
    }
    if (limit <= from) return false;
    const int longRun = s.options.fifteenDigits ? oldNumberLength : stemLength;
    const std::size_t interest = findScanInterest(s.buffer, from, limit, longRun);
    // Up to it the characters are read one by one: no search again before.
    s.noSkipBefore = streamOffset(s, interest < limit ? interest + 1 : interest);
    // Back to where the run of digits, letters and separators before it
    // began, or skipReplay bytes, whichever is nearer.
    const std::size_t earliest = interest - from > skipReplay ? interest - skipReplay : from;
    std::size_t to = interest;
    while (to > earliest && mayBePending(s.buffer[to - 1])) --to;
    if (to == from) return false;
    std::size_t lastLineFeed = to;
    const std::size_t lineFeeds = countLineFeeds(s.buffer, from, to, lastLineFeed);
    const uint64_t skipped = to - from;
    s.point.byte += skipped;
    s.point.utf16 += skipped;
    if (lineFeeds > 0) {
        s.point.line += lineFeeds;
        s.point.lineStart = s.point.characters + (lastLineFeed - from) + 1;
    }
    s.point.characters += skipped;
    const unsigned char before = s.buffer[to - 1];
    s.previousCodePoint = before;
    s.previousAscii = true;
    s.previousWord = asciiAlphanumeric(before);
    if (s.previousWord) {
        // A run that began before `to`: longer than any number.
        s.runActive = true;
        s.run.start = s.point;
        s.run.length = runLengthCap;
        s.run.digitCount = 0;
        s.run.checkAtEnd = false;
        s.run.lowercaseX = false;
        s.run.fullwidth = false;
    }
    s.at = to;
    return true;
}

// --- Auto encoding -------------------------------------------------------------------

std::size_t asciiPrefix(const unsigned char* bytes, std::size_t count) {
    std::size_t at = 0;
    while (at + 8 <= count) {
        uint64_t word;
        std::memcpy(&word, bytes + at, 8);
        if (word & 0x8080808080808080u) break;
        at += 8;
    }
    while (at < count && bytes[at] < 0x80) ++at;
    return at;
}

// Decides the encoding of the stretch that begins at `at`: up to its line
// feed, or autoStretchLength bytes cut before a character that goes on past
// them; UTF-8 when its bytes are valid UTF-8, else GBK. False when the
// buffer does not hold enough of it yet.
bool decideStretch(Scanner& s) {
    const unsigned char* bytes = s.buffer + s.at;
    const std::size_t available = s.length - s.at;
    const std::size_t window = available < autoStretchLength ? available : autoStretchLength;
    const void* lineFeed = std::memchr(bytes, '\n', window);
    std::size_t end;
    bool capped = false;
    if (lineFeed != nullptr) {
        end = static_cast<std::size_t>(static_cast<const unsigned char*>(lineFeed) - bytes) + 1;
    } else if (available > autoStretchLength) {
        end = autoStretchLength;
        capped = true;
    } else if (s.complete) {
        end = available;
    } else {
        return false;
    }
    // A capped stretch reads on past its end to see whether its last character is whole.
    const std::size_t readable = capped ? available : end;
    bool utf8 = true;
    std::size_t cut = end;
    for (std::size_t at = asciiPrefix(bytes, end); at < end;) {
        const DecodedCharacter character = decodeUtf8Character(bytes + at, readable - at);
        if (!character.valid) {
            utf8 = false;
            break;
        }
        if (at + character.length > end) {
            cut = at;
            break;
        }
        at += character.length;
        at += asciiPrefix(bytes + at, end - at);
    }
    if (!utf8) {
        cut = end;
        if (capped) {
            for (std::size_t at = 0; at < end;) {
                const DecodedCharacter character = decodeGbkCharacter(bytes + at, readable - at);
                if (at + character.length > end) {
                    cut = at;
                    break;
                }
                at += character.length;
            }
        }
    }
    s.gbk = !utf8;
    s.stretchEnd = streamOffset(s, s.at) + cut;
    return true;
}

// --- Input ----------------------------------------------------------------------------

// Moves what must be kept to the buffer's start and takes more of the piece.
void takeInput(Scanner& s) {
    uint64_t keepFrom = streamOffset(s, s.at);
    if (s.mode == ScanMode::redact) {
        keepFrom = pendingStart(s);
        writeThrough(s, keepFrom);
    }
    const std::size_t keep = static_cast<std::size_t>(keepFrom - s.bufferStart);
    if (keep > 0) {
        std::memmove(s.buffer, s.buffer + keep, s.length - keep);
        s.length -= keep;
        s.at -= keep;
        s.bufferStart += keep;
    }
    std::size_t taken = s.pieceLength - s.pieceTaken;
    if (taken > scanBufferCapacity - s.length) taken = scanBufferCapacity - s.length;
    std::memcpy(s.buffer + s.length, s.piece + s.pieceTaken, taken);
    s.length += taken;
    s.pieceTaken += taken;
    std::memset(s.buffer + s.length, 0, scanSkipOverread);
    if (s.finalGiven && s.pieceTaken == s.pieceLength) s.complete = true;
}

void finish(Scanner& s) {
    if (s.runActive) endRun(s);
    s.prefix.count = 0;
    s.finished = true;
    if (s.mode == ScanMode::redact) writeThrough(s, streamOffset(s, s.length));
}

enum class Progress { match, needInput, finished };

// Reads until a match is ready (finding), the piece is used up, or the
// stream ends.
Progress advance(Scanner& s) {
    while (true) {
        if (s.matchReady) return Progress::match;
        if (s.finished) return Progress::finished;
        if (!s.complete && s.length - s.at < scanLookahead) {
            if (s.pieceTaken < s.pieceLength) {
                takeInput(s);
                continue;
            }
            return Progress::needInput;
        }
        if (s.at == s.length) {
            finish(s);
            continue;
        }
        if (s.options.encoding == ScanEncoding::automatic && streamOffset(s, s.at) >= s.stretchEnd &&
            !decideStretch(s)) {
            if (s.pieceTaken < s.pieceLength) {
                takeInput(s);
                continue;
            }
            return Progress::needInput;
        }
        if (!s.options.characterByCharacter && streamOffset(s, s.at) >= s.noSkipBefore && idle(s) && skipAhead(s))
            continue;
        readCharacter(s);
    }
}

void takePiece(Scanner& s, const char* piece, std::size_t length, bool final) {
    s.piece = reinterpret_cast<const unsigned char*>(piece);
    s.pieceLength = length;
    s.pieceTaken = 0;
    s.finalGiven = final;
    s.summary.bytes += length;
    if (final && length == 0) s.complete = true;
}

}  // namespace

void beginScan(Scanner& s, const ScanOptions& options) {
    s.options = options;
    s.mode = ScanMode::none;
    s.bufferStart = 0;
    s.length = 0;
    s.at = 0;
    std::memset(s.buffer, 0, scanSkipOverread);
    s.piece = nullptr;
    s.pieceLength = 0;
    s.pieceTaken = 0;
    s.finalGiven = false;
    s.complete = false;
    s.finished = false;
    s.point = ScanPoint{0, 0, 0, 1, 0};
    s.gbk = options.encoding == ScanEncoding::gbk;
    s.stretchEnd = options.encoding == ScanEncoding::automatic ? 0 : UINT64_MAX;
    s.previousCodePoint = 0;
    s.previousWord = false;
    s.previousAscii = true;
    s.noSkipBefore = 0;
    s.runActive = false;
    s.prefix.count = 0;
    s.keyword = nullptr;
    s.keywordEnd = 0;
    s.matchReady = false;
    s.out = nullptr;
    s.outLength = 0;
    s.writtenTo = 0;
    s.cryptoFailed = false;
    s.summary = ScanSummary{};
}

void givePiece(Scanner& s, const char* piece, std::size_t length, bool final) {
    s.mode = ScanMode::find;
    takePiece(s, piece, length, final);
}

bool nextMatch(Scanner& s, ScanMatch& match) {
    if (advance(s) != Progress::match) return false;
    match = s.match;
    s.matchReady = false;
    return true;
}

bool redactPiece(Scanner& s, const char* piece, std::size_t length, bool final, char* out, std::size_t& written) {
    s.mode = ScanMode::redact;
    takePiece(s, piece, length, final);
    s.out = out;
    s.outLength = 0;
    advance(s);
    if (!s.finished) writeThrough(s, pendingStart(s));
    written = s.outLength;
    s.out = nullptr;
    return !s.cryptoFailed;
}

bool redactNumber(Scanner& s, const char* text, std::size_t length, char* out, std::size_t& written, bool& failed) {
    failed = false;
    written = 0;
    // The longest match: 18 characters of 3 bytes and two separators.
    constexpr std::size_t longestMatch = 60;
    if (length > longestMatch) return false;
    ScanOptions options = s.options;
    // A number held alone has no words around it: it is as sure as a valid number is.
    if (options.minConfidence > Confidence::medium) options.minConfidence = Confidence::medium;
    beginScan(s, options);
    char replaced[5 * longestMatch];
    std::size_t replacedLength = 0;
    if (!redactPiece(s, text, length, true, replaced, replacedLength)) {
        failed = true;
        return false;
    }
    if (s.summary.matches != 1 || s.match.byteOffset != 0 || s.match.byteLength != length) return false;
    std::memcpy(out, replaced, replacedLength);
    written = replacedLength;
    return true;
}
