// The C API's scanner per byte of a log-like text, beside floors in the same
// run: a hand-written SSE2 loop that only finds runs of exactly 18 digits (no
// full-width forms, groups, keywords, validity or offsets), and a count of
// line feeds (what wc -l does). The text: timestamps, key=value fields with
// numbers of 1 to 12 digits, some order numbers of 20 to 25 digits, Chinese
// words, and a number about every 10 KB, in several forms.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "capi/idnumber.h"

namespace {

uint32_t draw(uint64_t& state) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<uint32_t>(state >> 33);
}

std::string digits(uint64_t& state, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += static_cast<char>('0' + draw(state) % 10);
    return out;
}

std::string numberFrom(uint64_t& state) {
    static const char* const regions[] = {"110105", "310104", "440305", "510107", "650102", "330106"};
    char stem[18];
    std::snprintf(stem, sizeof stem, "%s%04u%02u%02u%03u", regions[draw(state) % 6], 1950 + draw(state) % 60,
                  1 + draw(state) % 12, 1 + draw(state) % 28, draw(state) % 999);
    static constexpr int weights[17] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    int sum = 0;
    for (int i = 0; i < 17; ++i) sum += (stem[i] - '0') * weights[i];
    return std::string(stem) + "10X98765432"[sum % 11];
}

// About 64 MB of log lines; the count of numbers planted.
const std::string& logText(std::size_t* planted = nullptr) {
    static std::size_t plantedCount = 0;
    static const std::string text = [] {
        static const char* const levels[] = {"INFO", "WARN", "DEBUG", "ERROR"};
        static const char* const services[] = {"order-api", "payment", "gateway", "user-center"};
        static const char* const words[] = {u8"用户登录成功", u8"订单已创建", u8"支付超时", u8"查询完成", "ok", "retry"};
        uint64_t state = 2025;
        std::string out;
        out.reserve(64u << 20);
        std::size_t nextNumberAt = 10000;
        while (out.size() < (64u << 20)) {
            char stamp[40];
            std::snprintf(stamp, sizeof stamp, "2024-%02u-%02uT%02u:%02u:%02u.%03uZ ", 1 + draw(state) % 12,
                          1 + draw(state) % 28, draw(state) % 24, draw(state) % 60, draw(state) % 60,
                          draw(state) % 1000);
            out += stamp;
            out += levels[draw(state) % 4];
            out += " svc=";
            out += services[draw(state) % 4];
            const int fields = 3 + static_cast<int>(draw(state) % 5);
            static const char* const keys[] = {" pid=", " user=", " amount=", " latency_ms=", " code=", " qty="};
            for (int f = 0; f < fields; ++f) {
                out += keys[draw(state) % 6];
                out += digits(state, 1 + static_cast<int>(draw(state) % 12));
            }
            if (draw(state) % 4 == 0) out += " order=" + digits(state, 20 + static_cast<int>(draw(state) % 6));
            out += " msg=\"";
            out += words[draw(state) % 6];
            out += "\"";
            if (out.size() >= nextNumberAt) {
                const std::string number = numberFrom(state);
                switch (draw(state) % 4) {
                case 0: out += " id_no=" + number; break;
                case 1: out += u8" 身份证号：" + number; break;
                case 2:
                    out += " contact " + number.substr(0, 6) + " " + number.substr(6, 8) + " " + number.substr(14);
                    break;
                default: out += " ref=" + number; break;
                }
                ++plantedCount;
                nextNumberAt += 10000;
            }
            out += '\n';
        }
        return out;
    }();
    if (planted != nullptr) *planted = plantedCount;
    return text;
}

constexpr std::size_t pieceSize = 1 << 16;

void report(benchmark::State& state, std::size_t found) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(logText().size()));
    state.counters["found"] = static_cast<double>(found);
    std::size_t planted = 0;
    logText(&planted);
    state.counters["planted"] = static_cast<double>(planted);
}

// The scanner through the C API, as a face reads a file: pieces of 64 KiB.
void scannerFind(benchmark::State& state) {
    const std::string& text = logText();
    static idn_scanner_t scanner;
    std::size_t found = 0;
    for (auto _ : state) {
        idn_scanner_init(&scanner, sizeof scanner);
        idn_scanner_set_integer(&scanner, IDN_OPTION_AS_OF_DATE, 20250101);
        idn_scanner_prepare(&scanner);
        idn_match_t match{};
        match.size = sizeof match;
        found = 0;
        for (std::size_t at = 0; at < text.size(); at += pieceSize) {
            const std::size_t length = text.size() - at < pieceSize ? text.size() - at : pieceSize;
            idn_scanner_feed(&scanner, text.data() + at, length, at + length == text.size());
            while (idn_scanner_next(&scanner, &match) == 1) ++found;
        }
    }
    report(state, found);
}
BENCHMARK(scannerFind)->Name("scan/capi/find")->Unit(benchmark::kMillisecond);

void scannerRedact(benchmark::State& state) {
    const std::string& text = logText();
    static idn_scanner_t scanner;
    static std::vector<char> out(IDN_REDACT_SIZE(pieceSize));
    std::size_t found = 0;
    for (auto _ : state) {
        idn_scanner_init(&scanner, sizeof scanner);
        idn_scanner_set_integer(&scanner, IDN_OPTION_AS_OF_DATE, 20250101);
        idn_scanner_prepare(&scanner);
        std::size_t written = 0, total = 0;
        for (std::size_t at = 0; at < text.size(); at += pieceSize) {
            const std::size_t length = text.size() - at < pieceSize ? text.size() - at : pieceSize;
            idn_scanner_redact(&scanner, text.data() + at, length, at + length == text.size(), out.data(), out.size(),
                               &written);
            total += written;
        }
        benchmark::DoNotOptimize(total);
        idn_scan_summary_t summary{};
        summary.size = sizeof summary;
        idn_scanner_summary(&scanner, &summary);
        found = summary.matches;
    }
    report(state, found);
}
BENCHMARK(scannerRedact)->Name("scan/capi/redact_mask")->Unit(benchmark::kMillisecond);

#if defined(__SSE2__)
// Bit i of a mask is byte i of a 64-byte block. Runs of at least `count`
// set bits ending at each bit, the bits before bit 0 being `previous`'s.
inline uint64_t runsOfAtLeast(uint64_t previous, uint64_t current, int count) {
    uint64_t run = current, previousRun = previous;
    for (int have = 1; have < count;) {
        const int shift = have < count - have ? have : count - have;
        run &= run << shift | previousRun >> (64 - shift);
        previousRun &= previousRun << shift;
        have += shift;
    }
    return run;
}

inline uint64_t digitMask(const unsigned char* bytes) {
    uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i x = _mm_sub_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part)),
                                       _mm_set1_epi8('0'));
        mask |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(
                    _mm_cmpeq_epi8(_mm_min_epu8(x, _mm_set1_epi8(9)), x))) & 0xFFFFu)
                << (16 * part);
    }
    return mask;
}

// The floor: runs of exactly 18 ASCII digits, 64 bytes at a time; nothing
// else of what the scanner does.
std::size_t runsOfEighteen(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t blocks = text.size() / 64;
    uint64_t previous = 0, current = blocks > 0 ? digitMask(bytes) : 0;
    std::size_t count = 0;
    for (std::size_t block = 0; block < blocks; ++block) {
        const uint64_t next = block + 1 < blocks ? digitMask(bytes + 64 * (block + 1)) : 0;
        const uint64_t ends = current & ~(current >> 1 | next << 63);
        count += static_cast<std::size_t>(
            __builtin_popcountll(ends & runsOfAtLeast(previous, current, 18) & ~runsOfAtLeast(previous, current, 19)));
        previous = current;
        current = next;
    }
    return count;
}

void floorRunsOfEighteen(benchmark::State& state) {
    std::size_t found = 0;
    for (auto _ : state) {
        found = runsOfEighteen(logText());
        benchmark::DoNotOptimize(found);
    }
    report(state, found);
}
BENCHMARK(floorRunsOfEighteen)->Name("scan/floor/sse2_runs_of_18_digits")->Unit(benchmark::kMillisecond);

void floorLineFeeds(benchmark::State& state) {
    const std::string& text = logText();
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = 0;
        const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
        std::size_t at = 0;
        for (; at + 16 <= text.size(); at += 16)
            lines += static_cast<std::size_t>(__builtin_popcount(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at)), _mm_set1_epi8('\n'))))));
        for (; at < text.size(); ++at) lines += bytes[at] == '\n';
        benchmark::DoNotOptimize(lines);
    }
    report(state, lines);
}
BENCHMARK(floorLineFeeds)->Name("scan/floor/sse2_line_feeds")->Unit(benchmark::kMillisecond);
#endif

}  // namespace
