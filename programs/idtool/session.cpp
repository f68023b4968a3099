// A session's messages on standard error, and the opening, naming and
// closing of its inputs with one-line reports of what went wrong.
#include "programs/idtool/session.h"

#include <cerrno>
#include <cstring>

#include "core/gbk_table.h"
#include "core/masking.h"
#include "programs/idtool/system_io.h"

OutputStream& beginMessage(Session& session) {
    session.progress.erase();
    session.err.write("idtool: ");
    return session.err;
}

void endMessage(Session& session) { session.err.put('\n'); }

void writeText(OutputStream& out, const char* utf8, std::size_t count, Encoding encoding) {
    if (encoding == Encoding::utf8) {
        out.write(utf8, count);
        return;
    }
    char gbk[256];
    for (std::size_t at = 0; at < count;) {
        std::size_t consumed = 0;
        out.write(gbk, utf8ToGbk(utf8 + at, count - at, gbk, sizeof gbk, &consumed));
        at += consumed;
    }
}

void writeNumberLine(Session& session, const char* number, std::size_t length) {
    if (!session.mask) {
        session.out.write(number, length);
    } else {
        char masked[64];
        const std::size_t count = length <= sizeof masked ? length : sizeof masked;
        session.out.write(masked, maskText(number, count, Encoding::utf8, true, masked, sizeof masked));
    }
    session.out.put('\n');
}

void writeInputName(OutputStream& out, const InputFile& input, Encoding encoding) {
    if (input.standardInput)
        out.write("standard input");
    else
        writeArgument(out, input.name, encoding);
}

bool openInputs(const std::vector<std::string>& names, std::vector<InputFile>& inputs, Session& session) {
    static const std::vector<std::string> standardInputOnly{"-"};
    const std::vector<std::string>& list = names.empty() ? standardInputOnly : names;
    inputs.clear();
    inputs.reserve(list.size());
    // Every input is checked before anything is written, but only opened
    // when it is read: a run may name more files than may be open at once.
    for (const std::string& name : list) {
        inputs.push_back({});
        InputFile& input = inputs.back();
        const bool opened = openInput(name.c_str(), input);
        const int error = opened ? 0 : errno != 0 ? errno : EIO;
        const bool loop = opened && inputIsStandardOutput(input);
        if (opened && !input.standardInput) {
            closeInput(input);
            input.file = nullptr;
        }
        if (opened && !loop) continue;
        OutputStream& err = beginMessage(session);
        err.write(loop ? "input " : "cannot open ");
        if (name == "-")
            err.write("standard input");
        else
            writeArgument(err, name.c_str(), session.encoding);
        err.write(loop ? " is the output file" : ": ");
        if (!loop) err.write(std::strerror(error));
        endMessage(session);
        inputs.pop_back();
        closeInputs(inputs);
        return false;
    }
    return true;
}

void closeInputs(std::vector<InputFile>& inputs) {
    for (InputFile& input : inputs) {
        if (input.standardInput || input.openedWhenRead) closeInput(input);
    }
    inputs.clear();
}

int reportReadError(const InputFile& input, int errorNumber, Session& session) {
    OutputStream& err = beginMessage(session);
    err.write("error reading ");
    writeInputName(err, input, session.encoding);
    err.write(": ");
    err.write(std::strerror(errorNumber));
    endMessage(session);
    return exitTrouble;
}

int finishReading(const LineReader& reader, const std::vector<InputFile>& inputs, Session& session, int status) {
    if (!reader.failed()) return status;
    return reportReadError(inputs[static_cast<std::size_t>(reader.failedInput())], reader.errorNumber(), session);
}
