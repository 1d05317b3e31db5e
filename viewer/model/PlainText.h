// Plain text: the runs' bytes as they are stored (code page 932), no styles,
// no header, one line feed after each line and no carriage return; a file
// opened in text mode adds those. Text, Line and Paragraph write it and Text
// reads it (their *Plain* operations); this is the reading of one line.
#pragma once

#include <string>

namespace appkit {
class Archive;
}

namespace model {

// The bytes up to the next line feed, which is dropped together with a
// carriage return directly before it; `endedByLineFeed` is false for a last
// line without one. False, with `line` empty, at the end of the data.
bool ReadArchiveLine(appkit::Archive& archive, std::string& line, bool& endedByLineFeed);

}  // namespace model
