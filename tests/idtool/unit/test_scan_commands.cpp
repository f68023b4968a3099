// find and redact allocate nothing per line or match: a run over a file of
// 10^4 lines of numbers (every form, GBK and UTF-8, keywords, low ones)
// allocates exactly as a run over a file of a few lines, in every format of
// find and every way of redact. Natively only, as the counting is
// (tests/allocation_counter.h).
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>

#include "core/number_rules.h"
#include "core/scan_settings.h"
#include "programs/idtool/find_command.h"
#include "programs/idtool/progress.h"
#include "programs/idtool/redact_command.h"
#include "tests/allocation_counter.h"

namespace {

long long discard(void*, const char*, std::size_t count, bool) { return static_cast<long long>(count); }

std::string scanText(int lines) {
    const char* const kinds[] = {
        "2024-06-30 user=7 id=11010519491231002X ok\n",
        "身份证号：110105 19491231 002x 订单 1101051949123100299 \n",
        "low 110105194912310021 full １１０１０５１９４９１２３１００２Ｘ\n",
        "old 110105491231002 nothing 12345 abc\n",
    };
    std::string text;
    for (int i = 0; i < lines; ++i) text += kinds[i % 4];
    return text;
}

// A named file of the bytes, removed at the end.
struct NamedFile {
    explicit NamedFile(const std::string& bytes) {
        char pattern[] = "/tmp/idtool-scan-test-XXXXXX";
        const int descriptor = mkstemp(pattern);
        name = pattern;
        if (descriptor >= 0) {
            const ssize_t written = write(descriptor, bytes.data(), bytes.size());
            (void)written;
            close(descriptor);
        }
    }
    ~NamedFile() { std::remove(name.c_str()); }
    std::string name;
};

ScanOptions checkedOptions(const ScanArguments& scan, Redaction way) {
    ScanSettings settings;
    putScanArguments(scan, Encoding::utf8, settings);
    setScanInteger(settings, ScanSetting::redaction, static_cast<int64_t>(way));
    const char key[] = "a key of at least sixteen bytes";
    setScanText(settings, ScanSetting::key, key, sizeof key - 1);
    ScanOptions options;
    EXPECT_EQ(checkScanSettings(settings, BirthDate{2024, 6, 30}, options).refusal, ScanRefusal::none);
    return options;
}

template <typename Run>
void expectSameAllocations(const Run& run, const char* what) {
    // The first run sets up what a process sets up once; the next two, of a
    // few lines and of 10^4, must allocate alike.
    long allocations[3];
    for (int size = 0; size < 3; ++size) {
        NamedFile file(scanText(size < 2 ? 8 : 10000));
        std::vector<char> outputStorage(4096);
        OutputStream out(outputStorage.data(), outputStorage.size(), discard, nullptr);
        char errorStorage[512];
        OutputStream err(errorStorage, sizeof errorStorage, discard, nullptr);
        ProgressDisplay progress(err, false);
        Session session{out, err, progress, Encoding::utf8};
        startCountingAllocations();
        run(file.name, session);
        out.flush();
        allocations[size] = stopCountingAllocations();
        EXPECT_FALSE(out.failed()) << what;
    }
    EXPECT_EQ(allocations[2], allocations[1]) << what;
}

}  // namespace

TEST(ScanCommands, FindAllocatesNothingPerMatch) {
    localYear(time(nullptr));  // the time zone, set up once
    for (RecordFormat format : {RecordFormat::tsv, RecordFormat::csv, RecordFormat::jsonl}) {
        for (bool count : {false, true}) {
            FindArguments arguments;
            arguments.format = format;
            arguments.count = count;
            arguments.scan.includeInvalid = true;
            arguments.scan.fifteenDigits = true;
            const ScanOptions options = checkedOptions(arguments.scan, Redaction::mask);
            expectSameAllocations(
                [&](const std::string& name, Session& session) {
                    arguments.files = {name};
                    EXPECT_EQ(runFind(arguments, options, session), 0);
                },
                "find");
        }
    }
}

TEST(ScanCommands, RedactAllocatesNothingPerMatch) {
    localYear(time(nullptr));
    for (Redaction way : {Redaction::mask, Redaction::label, Redaction::token, Redaction::pseudonym}) {
        RedactArguments arguments;
        arguments.summary = true;
        arguments.scan.includeInvalid = true;
        const ScanOptions options = checkedOptions(arguments.scan, way);
        expectSameAllocations(
            [&](const std::string& name, Session& session) {
                arguments.files = {name};
                EXPECT_EQ(runRedact(arguments, options, session), 0);
            },
            "redact");
    }
}

#endif
