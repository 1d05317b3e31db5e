// What the program's command line asks for: a new document, or the document
// named by its first argument that is not an option ('/' or '-').
#pragma once

#include <string>

namespace appkit {

struct CommandLineInfo {
    enum class Command { FileNew, FileOpen };
    Command command = Command::FileNew;
    std::string fileName;
};

// `argv[0]` is the program.
CommandLineInfo ParseCommandLine(int argc, const char* const* argv);

}  // namespace appkit
