#include "appkit/archive/ArchiveError.h"

namespace appkit {

const char* ArchiveError::what() const noexcept {
    switch (cause_) {
    case Cause::EndOfData: return "archive: end of data";
    case Cause::ReadFailed: return "archive: read failed";
    case Cause::WriteFailed: return "archive: write failed";
    case Cause::OutOfMemory: return "archive: out of memory";
    case Cause::WrongMode: return "archive: wrong direction";
    }
    return "archive: error";
}

}  // namespace appkit
