// Effects end their COM methods through the same guard as the hosts.
#pragma once

#include "comkit/NoThrow.h"

namespace effectbase {

using comkit::Guarded;

}  // namespace effectbase
