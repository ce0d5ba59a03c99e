// varnel: parse the command line, run the command, turn the outcome into an exit code.
#include <new>

#include "cli/command_line.h"
#include "platform/console.h"

int main(int argc, char** argv) {
    varnel::platform::UseBinaryStandardStreams();
    try {
        return varnel::cli::Run(varnel::platform::CommandLineArguments(argc, argv));
    } catch (const std::bad_alloc&) {
        // A huge input or result (random-text 2147483647 on 32-bit Windows, say): a message and
        // a failure status instead of an abort.
        varnel::cli::ReportError("out of memory");
        return varnel::cli::kExitFailure;
    }
}
