// idtool generate: distinct well-formed numbers of one county-level region,
// a birth date or a range of real calendar dates, and a sex; its options.
//
// The core decides everything: which record --region names, whether the
// options hold, and the numbers (a seeded permutation of the candidates).
// This file turns the core's error codes into one line on standard error,
// and writes the numbers.
#include "programs/idtool/generate_command.h"

#include <climits>
#include <cstring>
#include <ctime>
#include <memory>

#include "core/gbk_table.h"
#include "core/generation_messages.h"
#include "core/generation_options.h"
#include "core/generation_plan.h"
#include "core/region_history.h"
#include "core/region_resolution.h"
#include "core/sex_words.h"
#include "core/system_seed.h"
#include "programs/idtool/command.h"
#include "programs/idtool/command_options.h"
#include "programs/idtool/system_io.h"

namespace {

const char generateFooter[] =
    "The year is at most the current one and the sequence number 000-998; a chosen\n"
    "sex means an odd (male) or even (female) sequence number. The numbers of one\n"
    "run are distinct; a count larger than the region and dates can give is\n"
    "refused. With --seed the output is the same on every platform and build.\n"
    "With --as-of YYYY, --region is a code of a county-level record of the\n"
    "history of region codes in use that year, such as a county since abolished:\n"
    "  idtool generate --region 330124 --as-of 1990 --birth 19800101\n"
    "makes numbers registered in 临安县 as it stood in 1990.\n"
    "Exit status 0 when the numbers are written; every bad option gets a one-line\n"
    "message and exit status 2, and nothing is written to standard output." SEE_MAIN_HELP;

// idtool's words for the options in the core's messages.
constexpr OptionWords idtoolOptionWords{"--region", "--birth", "--born-between", "--born-between", "--sex",
                                       "--count",  "--seed",  "--as-of",        "--year-limit"};

// "generate: " and a message of the core's (UTF-8, in the output encoding
// here), and where idtool's own commands tell more: a program's advice the
// core's messages leave to the program.
void writeGenerateMessage(Session& session, const char* prefix, const char* text, std::size_t length,
                          const char* advice) {
    auto& out = beginMessage(session);
    out.write(prefix, std::strlen(prefix));
    writeText(out, text, length, session.encoding);
    out.write(advice, std::strlen(advice));
    endMessage(session);
}

const char* regionAdvice(const RegionResolution& resolution) {
    switch (resolution.error) {
    case RegionError::notCountyLevel: return " (idtool regions lists each record's level)";
    case RegionError::unknownCode: return " (idtool regions lists them)";
    case RegionError::noMatch: return resolution.candidateCount == 0 ? " (idtool regions lists them)" : "";
    case RegionError::asOfNeedsCode: return " (idtool regions --year YYYY NAME finds it)";
    default: return "";
    }
}

// The region as the core reads it: UTF-8. On Windows arguments arrive as
// UTF-8 from the wide command line; elsewhere they are bytes as the shell
// gave them, in the output encoding the user types in (GBK with --encoding
// gbk), converted here where they enter.
std::string regionInUtf8(const std::string& given, Encoding encoding) {
#ifdef _WIN32
    (void)encoding;
    return given;
#else
    if (encoding != Encoding::gbk) return given;
    std::string utf8;
    for (std::size_t at = 0; at < given.size();) {
        std::size_t step = 0;
        const uint32_t point =
            decodeCharacter(reinterpret_cast<const unsigned char*>(given.data() + at), given.size() - at,
                            Encoding::gbk, step);
        char bytes[4];
        const std::size_t written = point == noCharacter ? 0 : encodeCharacter(point, Encoding::utf8, bytes);
        if (written == 0)
            utf8.append(given, at, step == 0 ? 1 : step);  // no character: kept, to be refused as it is
        else
            utf8.append(bytes, written);
        at += step == 0 ? 1 : step;
    }
    return utf8;
#endif
}

}  // namespace

int runGenerate(const GenerateOptions& options, Session& session) {
    // The options go to the core as given; it judges them in the one order
    // every face shares (core/generation_options.h).
    GenerationOptions given{};
    const std::string region = regionInUtf8(options.region, session.encoding);
    setTextOption(given, GenerationOptionId::region, region.data(), region.size());
    if (options.hasBirth) setTextOption(given, GenerationOptionId::birth, options.birth.data(), options.birth.size());
    if (options.hasBirthRange) {
        setTextOption(given, GenerationOptionId::bornFrom, options.bornFrom.data(), options.bornFrom.size());
        setTextOption(given, GenerationOptionId::bornTo, options.bornTo.data(), options.bornTo.size());
    }
    setNumberOption(given, GenerationOptionId::sex, static_cast<int64_t>(options.sex));
    setUnsignedOption(given, GenerationOptionId::count, options.count);
    if (options.hasSeed) setUnsignedOption(given, GenerationOptionId::seed, options.seed);
    if (options.asOfYear != 0) setNumberOption(given, GenerationOptionId::asOfYear, options.asOfYear);
    const GenerationCheck check =
        checkGenerationOptions(given, localYear(time(nullptr)), options.hasSeed ? options.seed : systemSeed());

    char message[generationMessageCapacity];
    if (check.plan.birthNotCalendarDate)
        writeGenerateMessage(session, "generate: warning: ", message,
                             writeBirthDateWarning(message, sizeof message, check.plan), "");
    if (check.refusal != GenerationRefusal::none) {
        // The missing dates and the count of 0 are worded as the command
        // line's own checks word them, without the command's name.
        const bool asCommandLine =
            check.refusal == GenerationRefusal::plan &&
            (check.plan.error == GenerationError::noBirthDate || check.plan.error == GenerationError::countZero);
        const std::size_t length =
            writeGenerationCheckMessage(message, sizeof message, given, check, idtoolOptionWords);
        writeGenerateMessage(session, asCommandLine ? "" : "generate: ", message, length,
                             check.refusal == GenerationRefusal::region ? regionAdvice(check.resolution) : "");
        return exitTrouble;
    }
    char number[numberLength + 1];
    for (uint64_t i = 0; i < check.plan.count; ++i) {
        numberAt(check.plan, i, number);
        writeNumberLine(session, number, numberLength);
    }
    return exitSuccess;
}

Command defineGenerateCommand(CLI::App& idtool) {
    struct Arguments {
        GenerateOptions options;
        std::vector<std::string> bornBetween;
        uint64_t asOfYear = 0;
    };
    auto arguments = std::make_shared<Arguments>();
    GenerateOptions& options = arguments->options;
    CLI::App* generate = idtool.add_subcommand("generate", "make well-formed numbers");
    generate
        ->add_option("--region", options.region,
                     "a county-level record, by code or name (level\n"
                     "county in idtool regions): a district of a\n"
                     "municipality or a county under a city; a name\n"
                     "that matches several records is refused with\n"
                     "the candidates listed")
        ->required()
        ->type_name("CODE|NAME");
    CLI::Option* birth = generate
                             ->add_option("--birth", options.birth,
                                          "the birth date, taken as the dialog takes it:\n"
                                          "8 digits, the year not after the current one;\n"
                                          "a date that is not a real calendar date (a day\n"
                                          "such as 0231) gets a warning on standard error")
                             ->type_name("YYYYMMDD");
    CLI::Option* range = generate
                             ->add_option("--born-between", arguments->bornBetween,
                                          "draw birth dates uniformly over the real\n"
                                          "calendar dates from FROM to TO (YYYYMMDD),\n"
                                          "both included")
                             ->expected(2)
                             ->type_name("FROM TO");
    birth->excludes(range);
    generate
        ->add_option_function<std::string>(
            "--sex",
            [&options](const std::string& word) {
                // The words every face takes, refused in the words every face uses.
                if (!parseSexWord(word.data(), word.size(), options.sex)) {
                    char message[generationMessageCapacity];
                    const std::size_t length =
                        writeOptionRefusal(message, sizeof message, OptionRefusal::badSex, word.data(), word.size(),
                                           Encoding::utf8, idtoolOptionWords);
                    throw CLI::ValidationError(std::string(message, length));
                }
            },
            "男 or male, 女 or female, or any (the default)")
        ->type_name("SEX");
    addWholeNumberOption(*generate, "--count", options.count, 1, LLONG_MAX,
                         "how many distinct numbers to make (default 1)")
        ->type_name("N");
    addWholeNumberOption(*generate, "--seed", options.seed, 0, UINT64_MAX,
                         "seed of the generator, a whole number below\n"
                         "2^64: the same seed and options give the same\n"
                         "numbers; without it, the clock gives the seed",
                         &options.hasSeed)
        ->type_name("S");
    addWholeNumberOption(*generate, "--as-of", arguments->asOfYear, firstListedYear, lastListedYear,
                         "take --region as a code in use in that year\n"
                         "(1981-2024) in the history of region codes,\n"
                         "instead of the 2009 tables")
        ->type_name("YYYY");
    generate->footer(generateFooter);

    Command command;
    command.subcommand = generate;
    command.checkOptions = [birth, range] {
        if (birth->count() == 0 && range->count() == 0) throw CLI::RequiredError("--birth or --born-between");
    };
    command.run = [arguments, birth, range](Session& session) {
        GenerateOptions& given = arguments->options;
        given.hasBirth = birth->count() > 0;
        given.hasBirthRange = range->count() > 0;
        if (given.hasBirthRange) {
            given.bornFrom = arguments->bornBetween[0];
            given.bornTo = arguments->bornBetween[1];
        }
        given.asOfYear = static_cast<int>(arguments->asOfYear);
        return runGenerate(given, session);
    };
    return command;
}
