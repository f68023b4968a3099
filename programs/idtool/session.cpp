// A session's messages on standard error, and the opening, naming and
// closing of its inputs with one-line reports of what went wrong.
#include "programs/idtool/session.h"

#include <cerrno>
#include <cstring>

#include "programs/idtool/system_io.h"

OutputStream& beginMessage(Session& session) {
    session.progress.erase();
    session.err.write("idtool: ");
    return session.err;
}

void endMessage(Session& session) { session.err.put('\n'); }

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
    for (const std::string& name : list) {
        inputs.push_back({});
        if (!openInput(name.c_str(), inputs.back())) {
            const int error = errno;
            OutputStream& err = beginMessage(session);
            err.write("cannot open ");
            if (name == "-")
                err.write("standard input");
            else
                writeArgument(err, name.c_str(), session.encoding);
            err.write(": ");
            err.write(std::strerror(error));
            endMessage(session);
            inputs.pop_back();
            closeInputs(inputs);
            return false;
        }
    }
    return true;
}

void closeInputs(std::vector<InputFile>& inputs) {
    for (InputFile& input : inputs) closeInput(input);
    inputs.clear();
}

int finishReading(const LineReader& reader, const std::vector<InputFile>& inputs, Session& session, int status) {
    if (!reader.failed()) return status;
    OutputStream& err = beginMessage(session);
    err.write("error reading ");
    writeInputName(err, inputs[static_cast<std::size_t>(reader.failedInput())], session.encoding);
    err.write(": ");
    err.write(std::strerror(reader.errorNumber()));
    endMessage(session);
    return exitTrouble;
}
