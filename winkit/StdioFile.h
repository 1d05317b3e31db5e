// Scoped ownership of a C runtime stream (fopen), closed at scope end. A
// writer that must know whether its data reached the file closes it itself:
// std::fclose(file.release()).
#pragma once

#include <cstdio>

#include "winkit/UniqueHandle.h"

namespace winkit {

inline void CloseStdioFile(std::FILE* file) { std::fclose(file); }

using StdioFile = UniqueHandle<NullEmptyTraits<std::FILE*, CloseStdioFile>>;

}  // namespace winkit
