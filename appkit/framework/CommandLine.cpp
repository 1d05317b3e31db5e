#include "appkit/framework/CommandLine.h"

namespace appkit {

CommandLineInfo ParseCommandLine(int argc, const char* const* argv) {
    CommandLineInfo info;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!argument || argument[0] == '\0' || argument[0] == '/' || argument[0] == '-') continue;
        info.command = CommandLineInfo::Command::FileOpen;
        info.fileName = argument;
        break;
    }
    return info;
}

}  // namespace appkit
