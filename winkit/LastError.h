// Releasing a handle at scope end must not change what GetLastError tells the
// caller: the scope often ends because the call that set it failed.
#pragma once

#include <windows.h>

namespace winkit {

// Puts the thread's last-error value back at scope end.
class KeptLastError {
public:
    KeptLastError() : saved_(GetLastError()) {}
    KeptLastError(const KeptLastError&) = delete;
    KeptLastError& operator=(const KeptLastError&) = delete;
    ~KeptLastError() { SetLastError(saved_); }

private:
    DWORD saved_;
};

}  // namespace winkit
