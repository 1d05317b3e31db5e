// Build paths are Unix paths; Windows code under Wine sees them on drive Z:.
#pragma once

#include <string>

namespace testsupport {

std::wstring WindowsPath(const char* unixPath);

}  // namespace testsupport
