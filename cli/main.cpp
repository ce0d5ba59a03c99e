// varnel: parse the command line, run the command, turn the outcome into an exit code.
#include "cli/command_line.h"
#include "platform/console.h"

int main(int argc, char** argv) {
    varnel::platform::UseBinaryStandardStreams();
    return varnel::cli::Run(varnel::platform::CommandLineArguments(argc, argv));
}
