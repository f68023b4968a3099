// The shared options' parsing and checks, and the inputs' one line buffer.
#include "programs/idtool/command_options.h"

namespace {

// Room for a line and the reads ahead of it, set aside once.
constexpr std::size_t lineStorageSize = (std::size_t{1} << 20) + 1;
char lineStorage[lineStorageSize];

}  // namespace

bool parseUnsigned(const std::string& text, uint64_t& value) {
    if (text.empty() || text.size() > 20) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        const auto digit = static_cast<uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return false;
        value = value * 10 + digit;
    }
    return true;
}

CLI::Option* addWholeNumberOption(CLI::App& command, const std::string& name, uint64_t& value, uint64_t lowest,
                                  uint64_t highest, const std::string& help, bool* given) {
    return command.add_option_function<std::string>(
        name,
        [&value, lowest, highest, given, name](const std::string& text) {
            uint64_t parsed = 0;
            if (!parseUnsigned(text, parsed) || parsed < lowest || parsed > highest)
                throw CLI::ValidationError(name, "must be a whole number from " + std::to_string(lowest) + " to " +
                                                     std::to_string(highest) + ", not " + text);
            value = parsed;
            if (given != nullptr) *given = true;
        },
        help);
}

CLI::Option* addFormatOption(CLI::App& command, RecordFormat& format) {
    return command
        .add_option_function<std::string>(
            "--format",
            [&format](const std::string& name) {
                format = name == "jsonl" ? RecordFormat::jsonl : name == "csv" ? RecordFormat::csv : RecordFormat::tsv;
            },
            "output format: tsv (the default), csv or jsonl")
        ->check(CLI::IsMember({"tsv", "csv", "jsonl"}))
        ->type_name("FORMAT");
}

CLI::Option* addInputFilesOption(CLI::App& command, std::vector<std::string>& files) {
    return command.add_option("FILE", files, "input files; none or '-' reads standard input")->type_name("");
}

int runOnInputs(const std::vector<std::string>& files, Session& session,
                const std::function<int(LineReader&)>& command) {
    std::vector<InputFile> inputs;
    if (!openInputs(files, inputs, session)) return exitTrouble;
    LineReader reader(inputs.data(), static_cast<int>(inputs.size()), lineStorage, lineStorageSize);
    reader.flushBeforeEachRead(&session.out);
    reader.flushBeforeEachRead(&session.err);
    reader.setProgress(&session.progress);
    const int status = finishReading(reader, inputs, session, command(reader));
    closeInputs(inputs);
    return status;
}
