#include "webcontrol/ModuleDownloader.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <new>

#include "comkit/NoThrow.h"
#include "comkit/ServerEntry.h"
#include "webcontrol/ModuleImage.h"

namespace netrune {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

// Content-Length of a response's headers; -1 when it has none.
long long ContentLength(const wchar_t* headers) {
    if (!headers) return -1;
    constexpr wchar_t kName[] = L"content-length:";
    for (const wchar_t* line = headers; *line;) {
        if (_wcsnicmp(line, kName, std::size(kName) - 1) == 0) {
            const wchar_t* value = line + std::size(kName) - 1;
            while (*value == L' ' || *value == L'\t') ++value;
            if (!std::iswdigit(*value)) return -1;
            return std::wcstoll(value, nullptr, 10);
        }
        const wchar_t* end = std::wcschr(line, L'\n');
        if (!end) break;
        line = end + 1;
    }
    return -1;
}

}  // namespace

ModuleDownloader::~ModuleDownloader() {
    if (file_) {
        file_.reset();
        DeleteFileW(partPath_.c_str());
    }
}

bool ModuleDownloader::Start(const std::wstring& address, const std::wstring& target, DownloadOwner* owner) {
    if (std::exchange(started_, true)) return false;
    const std::size_t cut = target.find_last_of(L'\\');
    const std::wstring folder = cut == std::wstring::npos ? L"." : target.substr(0, cut);
    wchar_t part[MAX_PATH];
    if (!GetTempFileNameW(folder.c_str(), L"vvf", 0, part)) return false;
    partPath_ = part;
    file_ = winkit::FileHandle(
        CreateFileW(part, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) {
        DeleteFileW(part);
        return false;
    }
    target_ = target;
    owner_ = owner;
    running_ = true;
    buffer_.resize(kChunk);

    // Notifications that arrive before BindToStorage returns may end the
    // download and let the binding go: this object stays until Start ends.
    const comkit::ComPtr<ModuleDownloader> self(this);
    comkit::ComPtr<IUnknown> result;
    HRESULT hr = CreateURLMonikerEx(nullptr, address.c_str(), moniker_.put(), URL_MK_UNIFORM);
    if (SUCCEEDED(hr)) hr = CreateBindCtx(0, bindContext_.put());
    if (SUCCEEDED(hr)) hr = RegisterBindStatusCallback(bindContext_.get(), this, nullptr, 0);
    if (SUCCEEDED(hr)) hr = moniker_->BindToStorage(bindContext_.get(), nullptr, IID_IStream, result.put_void());
    if (FAILED(hr) && running_) {
        owner_ = nullptr;
        Finish(false);
        Unbind();
        return false;
    }
    return true;
}

void ModuleDownloader::Abandon() {
    owner_ = nullptr;
    if (running_) Cancel();
}

void ModuleDownloader::Cancel() {
    const comkit::ComPtr<ModuleDownloader> self(this);
    failed_ = true;
    // The binding may report its end at once, which finishes the download
    // and lets the binding go.
    if (const comkit::ComPtr<IBinding> binding = binding_) binding->Abort();
    if (running_) Finish(false);
}

STDMETHODIMP ModuleDownloader::OnStartBinding(DWORD, IBinding* binding) {
    binding_ = comkit::ComPtr<IBinding>(binding);
    return S_OK;
}

STDMETHODIMP ModuleDownloader::GetPriority(LONG* priority) {
    if (!priority) return E_POINTER;
    *priority = 0;
    return S_OK;
}

STDMETHODIMP ModuleDownloader::OnLowResource(DWORD) { return S_OK; }

// Every redirect the platform follows is announced here; a chain longer than
// any real server needs is a loop.
STDMETHODIMP ModuleDownloader::OnProgress(ULONG, ULONG, ULONG status, LPCWSTR) {
    if (status != BINDSTATUS_REDIRECTING || !running_) return S_OK;
    const comkit::ComPtr<ModuleDownloader> self(this);
    return comkit::Guarded([&] {
        if (++redirects_ > kMaxRedirects) Cancel();
        return S_OK;
    });
}

// A binding that ends well without a last-data notification (Wine's file:
// protocol sends none) is complete when every byte it announced was read;
// one that ends with an error is not.
STDMETHODIMP ModuleDownloader::OnStopBinding(HRESULT result, LPCWSTR) {
    const comkit::ComPtr<ModuleDownloader> self(this);
    return comkit::Guarded([&] {
        if (running_) {
            if (FAILED(result)) failed_ = true;
            ReadAvailable();
            if (running_) Finish(SUCCEEDED(result) && total_ == announcedSoFar_);
        }
        Unbind();
        return S_OK;
    });
}

void ModuleDownloader::Unbind() {
    if (bindContext_) RevokeBindStatusCallback(bindContext_.get(), this);
    binding_.reset();
    moniker_.reset();
    bindContext_.reset();
}

STDMETHODIMP ModuleDownloader::GetBindInfo(DWORD* flags, BINDINFO* info) {
    if (!flags || !info || info->cbSize == 0) return E_INVALIDARG;
    // Pulled, not pushed: the platform then reads no further ahead than this
    // object does, and keeps no copy of the body in its cache (Wine writes
    // a pushed body into its cache, bounds and BINDF_NOWRITECACHE aside).
    *flags = BINDF_ASYNCHRONOUS | BINDF_ASYNCSTORAGE | BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE | BINDF_PULLDATA;
    // Only as many bytes as the caller's structure says it has.
    const DWORD size = info->cbSize;
    std::memset(info, 0, std::min<std::size_t>(size, sizeof *info));
    info->cbSize = size;
    return S_OK;
}

STDMETHODIMP ModuleDownloader::OnDataAvailable(DWORD flags, DWORD size, FORMATETC*, STGMEDIUM* medium) {
    if (!running_) return S_OK;
    const comkit::ComPtr<ModuleDownloader> self(this);
    return comkit::Guarded([&] {
        announcedSoFar_ = size;
        if (!stream_ && medium && medium->tymed == TYMED_ISTREAM) stream_ = comkit::ComPtr<IStream>(medium->pstm);
        ReadAvailable();
        if (running_ && (flags & BSCF_LASTDATANOTIFICATION)) Finish(true);
        return S_OK;
    });
}

// Everything the stream has for now, not one read per notification. A
// download that cannot go on is cut off at once: a body beyond the bound, a
// failed write or read.
void ModuleDownloader::ReadAvailable() {
    while (stream_ && running_ && !failed_) {
        ULONG read = 0;
        const HRESULT hr = stream_->Read(buffer_.data(), static_cast<ULONG>(buffer_.size()), &read);
        DWORD written = 0;
        const bool stored = read == 0 || (total_ + read <= kMaxModuleBytes &&
                                          WriteFile(file_.get(), buffer_.data(), read, &written, nullptr) &&
                                          written == read);
        total_ += read;
        if (!stored || (FAILED(hr) && hr != E_PENDING)) {
            Cancel();
            return;
        }
        if (hr != S_OK || read == 0) return;
    }
}

bool ModuleDownloader::Whole() const {
    const bool goodStatus = status_ == 0 || (status_ >= 200 && status_ < 300);
    const bool allBytes = announced_ < 0 || total_ == static_cast<unsigned long long>(announced_);
    return !failed_ && goodStatus && allBytes && total_ > 0;
}

void ModuleDownloader::Finish(bool lastData) {
    running_ = false;
    stream_.reset();
    file_.reset();
    const bool keep = lastData && Whole() && IsWholeModuleFile(partPath_) &&
                      MoveFileExW(partPath_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (keep) {
        comkit::CallServerEntry(target_, comkit::ServerEntry::Register);
    } else {
        DeleteFileW(partPath_.c_str());
    }
    if (DownloadOwner* owner = std::exchange(owner_, nullptr)) owner->OnModuleDownloaded();
}

STDMETHODIMP ModuleDownloader::OnObjectAvailable(REFIID, IUnknown*) { return S_OK; }

STDMETHODIMP ModuleDownloader::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additional) {
    if (additional) *additional = nullptr;
    return S_OK;
}

STDMETHODIMP ModuleDownloader::OnResponse(DWORD code, LPCWSTR responseHeaders, LPCWSTR, LPWSTR* additional) {
    if (additional) *additional = nullptr;
    status_ = code;
    announced_ = ContentLength(responseHeaders);
    return S_OK;
}

}  // namespace netrune
