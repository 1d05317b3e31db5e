// One download of an effect module into the shared folder, as the
// bind-status callback of its own URL moniker binding: every binding has an
// object of its own, so a late notification of an earlier binding never
// touches a later one. Bytes go to a temporary file in the folder that takes
// the module's name only when a whole module arrived with a good status;
// only then is the module registered. A download is cut off beyond
// kMaxModuleBytes or kMaxRedirects. The owner hears of the end once, unless
// it let go first.
#pragma once

#include <windows.h>
#include <urlmon.h>

#include <string>
#include <vector>

#include "comkit/ComObject.h"
#include "comkit/ComPtr.h"
#include "winkit/FileHandle.h"

namespace netrune {

// A module is about 1 MB; a server that sends far more is not sending one.
inline constexpr unsigned long long kMaxModuleBytes = 64ull * 1024 * 1024;
inline constexpr int kMaxRedirects = 10;

class DownloadOwner {
public:
    virtual void OnModuleDownloaded() = 0;

protected:
    ~DownloadOwner() = default;
};

class ModuleDownloader final : public comkit::ComObject<IBindStatusCallback, IHttpNegotiate> {
public:
    // Starts downloading the address into the file at target, whose folder
    // must exist; once per object. False when nothing was started, and the
    // owner then hears nothing. The end may be heard before this returns
    // (file: addresses bind synchronously).
    bool Start(const std::wstring& address, const std::wstring& target, DownloadOwner* owner);
    // The owner lets go: a running download is aborted and nothing calls back.
    void Abandon();

    STDMETHODIMP OnStartBinding(DWORD reserved, IBinding* binding) override;
    STDMETHODIMP GetPriority(LONG* priority) override;
    STDMETHODIMP OnLowResource(DWORD reserved) override;
    STDMETHODIMP OnProgress(ULONG progress, ULONG progressMax, ULONG status, LPCWSTR text) override;
    STDMETHODIMP OnStopBinding(HRESULT result, LPCWSTR error) override;
    STDMETHODIMP GetBindInfo(DWORD* flags, BINDINFO* info) override;
    STDMETHODIMP OnDataAvailable(DWORD flags, DWORD size, FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP OnObjectAvailable(REFIID iid, IUnknown* object) override;

    STDMETHODIMP BeginningTransaction(LPCWSTR url, LPCWSTR headers, DWORD reserved, LPWSTR* additional) override;
    STDMETHODIMP OnResponse(DWORD code, LPCWSTR responseHeaders, LPCWSTR requestHeaders,
                            LPWSTR* additional) override;

private:
    ~ModuleDownloader() override;

    void ReadAvailable();
    // Aborts a download that must not go on; it ends as a failed one.
    void Cancel();
    // Ends the download: keeps and registers the module when it is whole.
    void Finish(bool lastData);
    bool Whole() const;
    void Unbind();

    comkit::ComPtr<IMoniker> moniker_;
    comkit::ComPtr<IBindCtx> bindContext_;
    comkit::ComPtr<IBinding> binding_;
    comkit::ComPtr<IStream> stream_;
    DownloadOwner* owner_ = nullptr;
    winkit::FileHandle file_;
    std::wstring partPath_;
    std::wstring target_;
    std::vector<char> buffer_;
    unsigned long long total_ = 0;
    unsigned long long announcedSoFar_ = 0;  // bytes the binding said it has
    long long announced_ = -1;  // Content-Length, -1 when not given
    DWORD status_ = 0;          // HTTP status, 0 for other schemes
    int redirects_ = 0;
    bool started_ = false;
    bool running_ = false;
    bool failed_ = false;
};

}  // namespace netrune
