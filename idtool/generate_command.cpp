#include "idtool/generate_command.h"

int runGenerate(const GenerateOptions& options, Session& session) {
    // To be filled in on the core's generation.
    (void)options;
    beginMessage(session).write("generate: not yet built");
    endMessage(session);
    return exitTrouble;
}
