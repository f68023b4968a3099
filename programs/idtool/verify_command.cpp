// idtool verify: the core's verdict on each line, or on a column of each row
// of a CSV or TSV input, written as one record, in input order, without
// stopping at a bad line; its options, and its help, whose list of fields
// comes from the record's schema.
#include "programs/idtool/verify_command.h"

#include <ctime>
#include <memory>

#include "core/calendar.h"
#include "core/verification.h"
#include "programs/idtool/command.h"
#include "programs/idtool/command_options.h"
#include "programs/idtool/line_verifier.h"
#include "programs/idtool/parallel_verify.h"
#include "records/region_value_cache.h"
#include "records/verify_record.h"

namespace {

// The column where a field's help starts, after its name.
constexpr std::size_t helpColumn = 18;

// "  name            help", the help's later lines indented to its column; a
// name too long for the column stands on a line of its own.
void appendFieldHelp(std::string& out, const std::string& names, const char* help) {
    out += "  " + names;
    if (names.size() + 2 < helpColumn)
        out.append(helpColumn - 2 - names.size(), ' ');
    else
        out += "\n" + std::string(helpColumn, ' ');
    for (const char* at = help; *at != '\0'; ++at) {
        out += *at;
        if (*at == '\n') out.append(helpColumn, ' ');
    }
    out += '\n';
}

}  // namespace

std::string verifyHelpFooter() {
    std::string footer;
    std::string names;
    for (int i = 0; i < verifyFieldCount; ++i) {
        const RecordField& field = verifyRecordFields[i];
        if (i == 0) footer += "Fields of each record, in this order:\n";
        if (i == verdictFieldCount)
            footer +=
                "What the history of region codes (1981-2024) says of the region code (the\n"
                "first 6 digits), when valid, else null; --no-history leaves these out:\n";
        // Fields without help of their own are described with the next one.
        names += names.empty() ? field.name : std::string(", ") + field.name;
        if (field.help == nullptr) continue;
        appendFieldHelp(footer, names, field.help);
        names.clear();
    }
    footer +=
        "In TSV and CSV the JSON values stand in their cells as text.\n"
        "A line longer than 64 bytes is refused for its length and never held whole.\n"
        "Exit status 0 when every line is valid, 1 when any is not, 2 on an error." SEE_MAIN_HELP;
    return footer;
}

int runVerify(const VerifyOptions& options, LineReader& reader, Session& session) {
    // The year limit is the current year on the local clock, as in the dialog.
    LineVerifier verifier(options, session.out, session.encoding, session.mask, localYear(time(nullptr)));
    if (!options.stream) verifier.writeHeader();
    Line line;
    while (reader.next(line)) verifier.verify(line);
    if (options.summary) writeSummary(session, verifier.counts(), false);
    return statusOf(options, verifier.counts());
}

namespace {

void writeRowProblem(Session& session, const InputFile& input, uint64_t line, const char* problem) {
    OutputStream& err = beginMessage(session);
    err.write("verify: ");
    writeInputName(err, input, session.encoding);
    if (line > 0) {
        err.write(": line ");
        err.writeDecimal(line);
    }
    err.write(": ");
    err.write(problem);
    endMessage(session);
}

}  // namespace

int runVerifyColumns(const VerifyOptions& options, const RowReaderOptions& rowOptions, std::vector<InputFile>& inputs,
                     Session& session) {
    const int yearLimit = localYear(time(nullptr));
    const RecordLayout layout = layoutOf(options);
    OutputStream& out = session.out;
    RecordWriter writer(out, options.format, session.encoding, verifyRecordKeysOf(layout.shape),
                        verifyRecordKeyCountOf(layout.shape));
    setUpWriter(writer, options, layout);
    writer.setLeadingSeparator(true);
    RegionValueCache regions(writer, options.history);
    const VerifyRecordContext context{yearLimit, session.mask};

    // Room for a row's bytes and the reads ahead of it, set aside once.
    static char rowStorage[std::size_t{1} << 20];
    RowReader reader(inputs.data(), static_cast<int>(inputs.size()), rowStorage, sizeof rowStorage, rowOptions, out);
    reader.setFlushBeforeRead(&session.err);
    reader.setProgress(&session.progress);

    VerdictCounts counts;
    bool headerWritten = false;
    uint64_t rowMark = out.position();  // where the row being read began in the output
    auto rowDone = [&] {
        rowMark = out.position();
        reader.setCompleteUpTo(rowMark);
        // The next row starts with room for half the buffer, so that a row
        // --only-invalid leaves out is never handed to the sink in part.
        if (out.size() > out.capacity() / 2) out.flushUpTo(rowMark);
    };
    Row row;
    while (reader.next(row)) {
        if (row.header) {
            if (headerWritten) {
                out.rollBack(rowMark);  // a later input's header: its names are known
            } else {
                writer.writeHeaderFields();
                writer.writeLineEnd();
                headerWritten = true;
            }
            rowDone();
            continue;
        }
        ++counts.lines;
        if (!row.hasColumn || isStreamNull(options, row.cell, row.length)) {
            // A row without the number is kept by --only-invalid too: it is
            // one to look at.
            if (!row.hasColumn) ++counts.noColumn;
            writeNullRecord(writer);
            rowDone();
            continue;
        }
        const int wholeLength = verifiedLength(row.length);
        const VerifyOutcome outcome = verifyNumberText(row.cell, row.held, wholeLength, yearLimit);
        ++counts.byRefusal[static_cast<int>(outcome.refusal)];
        if (options.onlyInvalid && outcome.refusal == VerifyRefusal::none) {
            if (!out.rollBack(rowMark)) {
                writer.writeLineEnd();
                writeRowProblem(session, inputs[static_cast<std::size_t>(row.input)], row.line,
                                "a row longer than half the output buffer (32 KiB) can not be left out by "
                                "--only-invalid");
                return exitTrouble;
            }
            rowDone();
            continue;
        }
        VerifiedLine verified{row.line, row.cell, static_cast<std::size_t>(row.held), row.length};
        verified.encoding = &row.encoding;
        writeVerifyRecord(writer, layout.shape, verified, outcome, &regions, nullptr, context);
        rowDone();
    }
    if (reader.unterminated() || reader.columnMissing()) {
        // Nothing of the row that was being read stays, when it can be taken back.
        if (!out.rollBack(rowMark)) writer.writeLineEnd();
        const InputFile& input = inputs[static_cast<std::size_t>(reader.failedInput())];
        if (reader.unterminated()) {
            writeRowProblem(session, input, reader.unterminatedLine(), "a quoted field is not closed at the end");
        } else {
            OutputStream& err = beginMessage(session);
            err.write("verify: ");
            writeInputName(err, input, session.encoding);
            err.write(": the header has no column ");
            writeArgument(err, rowOptions.columnName.c_str(), session.encoding);
            endMessage(session);
        }
        closeInputs(inputs);
        return exitTrouble;
    }
    if (reader.failed()) {
        reportReadError(inputs[static_cast<std::size_t>(reader.failedInput())], reader.errorNumber(), session);
        closeInputs(inputs);
        return exitTrouble;
    }
    closeInputs(inputs);
    if (options.summary) writeSummary(session, counts, true);
    return statusOf(options, counts);
}

// The help of --no-history counts the history's fields in words.
static_assert(verifyFieldCount - verdictFieldCount == 5, "say how many keys --no-history leaves out");

namespace {

// --fields: names of the schema, separated by commas.
std::vector<bool> parseFieldList(const std::string& list) {
    std::vector<bool> chosen(static_cast<std::size_t>(verifyFieldCount), false);
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        int index = -1;
        for (int i = 0; i < verifyFieldCount; ++i)
            if (name == verifyRecordFields[i].name) index = i;
        if (index < 0) throw CLI::ValidationError("--fields", "no field is called '" + name + "' (see the fields below)");
        chosen[static_cast<std::size_t>(index)] = true;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return chosen;
}

// The format of an input: --input-format, else its name's extension, else
// TSV (standard input).
InputFormat formatByName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == "csv" ? InputFormat::csv : InputFormat::tsv;
}

const char columnHelp[] =
    "\n"
    "CSV and TSV inputs (--column NAME or N):\n"
    "  Each row's fields are written back as they came, then the record's fields\n"
    "  (or those --fields names) on the same row: the output is in the input's\n"
    "  format. The first row of each input is its header (unless --no-header);\n"
    "  the column is found by its name (after a byte-order mark) or by its number\n"
    "  from 1, and the output's header is the first input's with the field names\n"
    "  after it. CSV is RFC 4180 (quoted fields may hold commas, quotes, CR and\n"
    "  LF); TSV has no quoting. A row without the column keeps its fields, with\n"
    "  empty record fields, and counts as no_column in --summary. Only the first\n"
    "  64 bytes of a cell are held, so rows of any length cost no memory. An input\n"
    "  that ends inside a quoted field is exit status 2, after the rows before it.\n"
    "\n"
    "Encodings: --input-encoding says what the input's bytes are in (utf8, gbk,\n"
    "or auto: a line or cell that is valid UTF-8 is UTF-8, anything else GBK);\n"
    "by default the output encoding (--encoding). Input is converted to the\n"
    "output encoding; bytes that are no text are written \\xHH.\n"
    "\n"
    "Spreadsheets: a TSV or CSV cell of input text that idtool writes (input,\n"
    "upgraded) and that starts with =, +, -, @, TAB or CR gets a leading ',\n"
    "so that Excel or WPS does not open it as a formula. The fields of a CSV or\n"
    "TSV input are written back unchanged: they are the file's own.\n"
    "\n"
    "SQL engines (--stream): rows in, rows out, for Hive and Spark SQL\n"
    "TRANSFORM ... USING and ClickHouse executable functions: no header, TSV,\n"
    "exactly one row per input line or row, in order; \\N (NULL) is written for\n"
    "every null, and an input of \\N gives \\N in every field; output is flushed\n"
    "whenever the input waits; exit status 0 whatever the verdicts.\n";

}  // namespace

Command defineVerifyCommand(CLI::App& idtool) {
    struct Arguments {
        std::vector<std::string> files;
        VerifyOptions options;
        bool noHistory = false;
        std::string column;
        std::string inputFormat;
        std::string inputEncoding;
        std::string fields;
        bool noHeader = false;
        uint64_t jobs = 0;
        std::string ageOn;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* verify = idtool.add_subcommand("verify", "verify numbers, one record per line or row");
    addInputFilesOption(*verify, arguments->files);
    CLI::Option* format = addFormatOption(*verify, arguments->options.format);
    verify->add_flag("--only-invalid", arguments->options.onlyInvalid, "write only the records of refused lines");
    CLI::Option* noHistory =
        verify->add_flag("--no-history", arguments->noHistory, "leave out the five keys of the region code's\nhistory");
    verify->add_flag("--summary", arguments->options.summary,
                     "at the end, write the count of lines per\nreason to standard error");
    CLI::Option* column = verify
                              ->add_option("--column", arguments->column,
                                           "read CSV or TSV and verify this column, by\n"
                                           "header name or number from 1 (see below)")
                              ->type_name("NAME|N");
    CLI::Option* inputFormat = verify
                                   ->add_option("--input-format", arguments->inputFormat,
                                                "csv or tsv; by default from each file's\n"
                                                "extension (.csv), TSV for standard input")
                                   ->check(CLI::IsMember({"csv", "tsv"}))
                                   ->type_name("FORMAT");
    CLI::Option* noHeader =
        verify->add_flag("--no-header", arguments->noHeader, "with --column N: the inputs have no header row");
    verify
        ->add_option("--input-encoding", arguments->inputEncoding,
                     "utf8, gbk or auto (see below); by default\nthe output encoding")
        ->check(CLI::IsMember({"utf8", "gbk", "auto"}))
        ->type_name("ENCODING");
    CLI::Option* fields = verify
                              ->add_option("--fields", arguments->fields,
                                           "write only these fields, in the record's order\n"
                                           "(names separated by commas)")
                              ->type_name("LIST");
    uint64_t* jobs = &arguments->jobs;
    addWholeNumberOption(*verify, "--jobs", *jobs, 1, 1024,
                         "verify lines with N workers at once (default:\n"
                         "one per processor, at most 8); 1 reads and\n"
                         "verifies in one thread. The output is the same")
        ->type_name("N");
    CLI::Option* ageOn = verify
                             ->add_option("--age-on", arguments->ageOn,
                                          "add a last field, age: the holder's age in\n"
                                          "completed years on DATE (YYYYMMDD; null when\n"
                                          "refused or born after it); not with --column")
                             ->type_name("DATE");
    verify->add_flag("--stream", arguments->options.stream,
                                           "for SQL engines: no header, \\N for null,\nexit status 0 (see below)");
    verify->footer(columnHelp + std::string("\n") + verifyHelpFooter());

    Command command;
    command.subcommand = verify;
    command.checkOptions = [=] {
        Arguments& given = *arguments;
        if (fields->count() > 0) given.options.fields = parseFieldList(given.fields);
        if (ageOn->count() > 0) {
            uint64_t date = 0;
            if (given.ageOn.size() != 8 || !parseUnsigned(given.ageOn, date) ||
                !isCalendarDate(BirthDate{static_cast<int>(date / 10000), static_cast<int>(date / 100 % 100),
                                          static_cast<int>(date % 100)}))
                throw CLI::ValidationError("--age-on", "must be a calendar date YYYYMMDD, not " + given.ageOn);
            if (column->count() > 0) throw CLI::ValidationError("--age-on", "is not for --column");
            given.options.age = true;
            given.options.ageOn = BirthDate{static_cast<int>(date / 10000), static_cast<int>(date / 100 % 100),
                                            static_cast<int>(date % 100)};
        }
        if (inputFormat->count() > 0 && column->count() == 0)
            throw CLI::ValidationError("--input-format", "reads CSV or TSV rows: give --column too");
        if (noHeader->count() > 0 && column->count() == 0)
            throw CLI::ValidationError("--no-header", "is for --column N");
        if (column->count() > 0) {
            uint64_t number = 0;
            const bool byNumber = parseUnsigned(given.column, number);
            if (byNumber && (number == 0 || number > 1000000))
                throw CLI::ValidationError("--column", "a column number runs from 1");
            if (!byNumber && (given.noHeader || given.options.stream))
                throw CLI::ValidationError("--column", "without a header row, give the column's number");
            if (format->count() > 0 && given.options.format == RecordFormat::jsonl)
                throw CLI::ValidationError("--format", "with --column the output is in the input's format, not jsonl");
        }
        if (given.options.stream && format->count() > 0 && given.options.format != RecordFormat::tsv)
            throw CLI::ValidationError("--stream", "writes TSV, as the engines read it");
        if (noHistory->count() > 0 && !given.options.fields.empty())
            for (int i = verdictFieldCount; i < verifyFieldCount; ++i)
                if (given.options.fields[static_cast<std::size_t>(i)])
                    throw CLI::ValidationError("--fields", std::string("names ") + verifyRecordFields[i].name +
                                                               ", which --no-history leaves out");
    };
    command.run = [arguments, column, inputFormat, format](Session& session) {
        Arguments& given = *arguments;
        VerifyOptions& options = given.options;
        options.history = !given.noHistory;
        if (!options.fields.empty()) {
            // The history's fields are worked out only when one is asked for.
            bool anyHistory = false;
            for (int i = verdictFieldCount; i < verifyFieldCount; ++i)
                anyHistory = anyHistory || options.fields[static_cast<std::size_t>(i)];
            options.history = options.history && anyHistory;
            options.fields.resize(static_cast<std::size_t>(options.history ? verifyFieldCount : verdictFieldCount));
        }
        if (!given.inputEncoding.empty()) {
            options.inputEncodingGiven = true;
            options.inputEncoding = given.inputEncoding == "gbk"    ? InputEncoding::gbk
                                    : given.inputEncoding == "auto" ? InputEncoding::detect
                                                                    : InputEncoding::utf8;
        }
        if (column->count() == 0) {
            // Rows for SQL engines are answered one by one, as they come.
            const int workers = options.stream ? 1 : workerCount(static_cast<int>(given.jobs));
            if (workers > 1) return runVerifyInParallel(options, given.files, workers, session);
            return runOnInputs(given.files, session,
                               [&](LineReader& reader) { return runVerify(options, reader, session); });
        }
        RowReaderOptions rows;
        const std::string& first = given.files.empty() ? std::string("-") : given.files.front();
        rows.format = inputFormat->count() > 0 ? (given.inputFormat == "csv" ? InputFormat::csv : InputFormat::tsv)
                      : first == "-"          ? InputFormat::tsv
                                              : formatByName(first);
        if (options.stream) rows.format = InputFormat::tsv;
        const RecordFormat outputFormat = rows.format == InputFormat::csv ? RecordFormat::csv : RecordFormat::tsv;
        if (format->count() > 0 && options.format != outputFormat) {
            beginMessage(session).write("verify: with --column the output is in the input's format: --format csv "
                                        "for CSV, tsv for TSV");
            endMessage(session);
            return exitTrouble;
        }
        options.format = outputFormat;
        uint64_t number = 0;
        if (parseUnsigned(given.column, number))
            rows.columnNumber = static_cast<int>(number);
        else {
            // Names are matched in the output encoding, as the user reads them.
            char name[1024];
            rows.columnName = argumentInEncoding(given.column.c_str(), session.encoding, name, sizeof name)
                                  ? std::string(name)
                                  : given.column;
        }
        rows.header = !given.noHeader && !options.stream;
        rows.inputEncoding = !options.inputEncodingGiven
                                 ? (session.encoding == Encoding::gbk ? InputEncoding::gbk : InputEncoding::utf8)
                                 : options.inputEncoding;
        rows.outputEncoding = session.encoding;
        rows.mask = session.mask;
        std::vector<InputFile> inputs;
        if (!openInputs(given.files, inputs, session)) return exitTrouble;
        return runVerifyColumns(options, rows, inputs, session);
    };
    return command;
}
