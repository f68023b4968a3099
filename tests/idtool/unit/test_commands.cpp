// The regions and upgrade commands through a session of captured streams:
// the level and city of every record of the table, matching at character
// boundaries, and upgrade's numbers and messages.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "programs/idtool/progress.h"
#include "programs/idtool/regions_command.h"
#include "programs/idtool/session.h"
#include "programs/idtool/upgrade_command.h"
#include "idtool_test_support.h"

namespace {

struct CapturedSession {
    CapturingStream<1 << 16> out;
    CapturingStream<> err;
    ProgressDisplay progress{err.stream, false};
    Session session;

    explicit CapturedSession(Encoding encoding) : session{out.stream, err.stream, progress, encoding} {}
};

std::vector<std::vector<std::string>> tsvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        rows.push_back(cells);
    }
    return rows;
}

}  // namespace

TEST(RegionsCommand, EveryRecordWithItsLevelAndCity) {
    CapturedSession run(Encoding::utf8);
    ASSERT_EQ(runRegions(RegionsOptions{}, run.session), exitSuccess);
    const auto rows = tsvRows(run.out.text());
    ASSERT_EQ(rows.size(), 3479u);  // the header and the list's 3478 rows
    EXPECT_EQ(rows[0], (std::vector<std::string>{"code", "name", "level", "province", "city"}));
    // Counted from data/regions-2009.tsv: 337 city-level records of the 27
    // provinces (220000 among them), 280 named 市辖区, the rest county-level;
    // 419001 济源市 is the only county whose code names no city-level record.
    std::map<std::string, int> levels;
    int countiesWithoutCity = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto& row = rows[i];
        ASSERT_EQ(row.size(), 5u) << i;
        ++levels[row[2]];
        const bool municipal = row[3] == "北京市" || row[3] == "天津市" || row[3] == "上海市" ||
                               row[3] == "重庆市";
        if (municipal || row[2] == "city") {
            EXPECT_EQ(row[4], "") << row[0];
        } else if (row[4].empty()) {
            ++countiesWithoutCity;
            EXPECT_EQ(row[0], "419001");
        }
        EXPECT_EQ(row[2] == "group", row[1] == "市辖区") << row[0];
    }
    EXPECT_EQ(levels["city"], 337);
    EXPECT_EQ(levels["group"], 280);
    EXPECT_EQ(levels["county"], 2861);
    EXPECT_EQ(countiesWithoutCity, 1);
}

TEST(RegionsCommand, QueriesMatchCodePrefixesAndWholeCharactersOfNames) {
    struct Case {
        const char* query;
        Encoding encoding;
        int status;
        std::size_t records;
    };
    const Case cases[] = {
        {"140302", Encoding::utf8, exitSuccess, 1},
        {"1403", Encoding::utf8, exitSuccess, 7},
        {"1403021", Encoding::utf8, exitFindings, 0},
        {"阳泉", Encoding::utf8, exitSuccess, 1},
#ifdef _WIN32
        // Arguments come from the wide command line as UTF-8 and are
        // converted to the output encoding.
        {"阳泉", Encoding::gbk, exitSuccess, 1},
        {"乔", Encoding::gbk, exitFindings, 0},
#else
        // Arguments are bytes as the shell gave them, taken as being in the
        // output encoding.
        {"\xD1\xF4\xC8\xAA", Encoding::gbk, exitSuccess, 1},  // 阳泉 in GBK
        {"阳泉", Encoding::gbk, exitFindings, 0},           // UTF-8 bytes match no GBK name
        // 乔 in GBK is C7 C7, the bytes between 城 (B3 C7) and 区 (C7 F8):
        // 66 names hold them byte-wise, none as a character.
        {"\xC7\xC7", Encoding::gbk, exitFindings, 0},
#endif
    };
    for (const Case& c : cases) {
        CapturedSession run(c.encoding);
        RegionsOptions options;
        options.query = c.query;
        EXPECT_EQ(runRegions(options, run.session), c.status) << c.query;
        EXPECT_EQ(tsvRows(run.out.text()).size(), c.records + 1) << c.query;
        EXPECT_EQ(run.err.text().empty(), c.records > 0) << c.query;
    }
}

TEST(UpgradeCommand, NumbersAndMessages) {
    TemporaryInput file(
        "110105491231002\n"   // 11010519491231002X, a number the dialog's tests verify
        "1101054912310021\n"  // too long
        "\n"
        "11010549133100a\n"
        "110105491301002\n"  // month 13
        "110105490032002\n"  // day 32
        "110105490000002\n"  // month and day 00, which verification passes
    );
    ASSERT_NE(file.input.file, nullptr);
    char storage[LineReader::minimumStorage];
    LineReader reader(&file.input, 1, storage, sizeof storage);
    CapturedSession run(Encoding::utf8);
    EXPECT_EQ(runUpgrade(reader, run.session), exitFindings);
    // Check characters worked out by hand with the MOD 11-2 weights.
    EXPECT_EQ(run.out.text(), "11010519491231002X\n110105194900000024\n");
    EXPECT_EQ(run.err.text(),
              "idtool: upgrade: line 2: 16 bytes, not 15 digits\n"
              "idtool: upgrade: line 3: empty line\n"
              "idtool: upgrade: line 4: not 15 digits\n"
              "idtool: upgrade: line 5: month above 12: 13\n"
              "idtool: upgrade: line 6: day above 31: 32\n");
}

TEST(ProgressDisplay, OnlyForALargeRegularFileAndErasedAtItsEnd) {
    const InputFile large{"big", nullptr, false, true, uint64_t{200} << 20};
    const InputFile small{"small", nullptr, false, true, uint64_t{1} << 20};
    for (bool enabled : {false, true}) {
        for (const InputFile* input : {&small, &large}) {
            CapturingStream<> err;
            ProgressDisplay progress(err.stream, enabled);
            progress.startInput(*input);
            progress.update(0, 0);
            const bool shows = enabled && input == &large;
            // Drawn at most four times a second: the first draw waits.
            if (shows) std::this_thread::sleep_for(std::chrono::milliseconds(300));
            progress.update(input->size / 2, 1000);
            const std::string shown = err.text();
            progress.finishInput();
            const std::string all = err.text();
            if (!shows) {
                EXPECT_EQ(all, "");
                continue;
            }
            EXPECT_EQ(shown.rfind("\ridtool: 104.8 MB / 209.7 MB (50%), ", 0), 0u) << shown;
            EXPECT_NE(shown.find(" lines/s, 0:00 left"), std::string::npos) << shown;
            // Erased: back to the line's start, blanks over it, back again.
            EXPECT_EQ(all.substr(shown.size()), "\r" + std::string(shown.size() - 1, ' ') + "\r");
        }
    }
}
