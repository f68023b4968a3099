// The C API's verify records are idtool verify's, record for record (built
// where the programs are).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capi/idnumber.h"
#include "programs/idtool/progress.h"
#include "programs/idtool/session.h"
#include "programs/idtool/verify_command.h"
#include "tests/capi/c_api_samples.h"
#include "tests/idtool/unit/idtool_test_support.h"

namespace {

// What idtool verify --format jsonl writes for the lines, each without its
// "line" field and line end.
std::vector<std::string> idtoolRecords(const std::vector<std::string>& lines) {
    std::string input;
    for (const std::string& line : lines) input += line + "\n";
    TemporaryInput file(input);
    CapturingStream<1 << 16> out;
    CapturingStream<> err;
    ProgressDisplay progress(err.stream, false);
    Session session{out.stream, err.stream, progress, Encoding::utf8};
    std::vector<char> storage(1 << 16);
    LineReader reader(&file.input, 1, storage.data(), storage.size());
    VerifyOptions options;
    options.format = RecordFormat::jsonl;
    runVerify(options, reader, session);
    std::vector<std::string> records;
    std::string all = out.text();
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = all.find('\n', start);
        std::string record = all.substr(start, end - start);
        const std::size_t comma = record.find(',');
        records.push_back("{" + record.substr(comma + 1));
        start = end + 1;
    }
    return records;
}

TEST(CApiVerify, RecordsAreIdtoolsRecords) {
    const std::vector<std::string> lines = sampleLines();
    const std::vector<std::string> expected = idtoolRecords(lines);
    ASSERT_EQ(expected.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(verifyJson(lines[i]), expected[i]) << i;
    // Without the history, the record stops after county.
    const std::string short_ = verifyJson("11010519491231002X", 0);
    EXPECT_EQ(short_.find("code_status"), std::string::npos);
    EXPECT_NE(short_.find("\"county\":\"\"}"), std::string::npos) << short_;
}

}  // namespace
