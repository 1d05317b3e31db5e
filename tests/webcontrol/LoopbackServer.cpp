#include "tests/webcontrol/LoopbackServer.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <cstdio>

#include "tests/webcontrol/TestContainer.h"

namespace webtest {
namespace {

// Every wait is cut into slices this long, so that a stop ends it at once:
// the connections never block.
constexpr timeval kSlice{0, 50 * 1000};
// Longer than a test waits for a download and then for what follows it, so
// that the server never ends an answer that a test expects to hang.
constexpr ULONGLONG kIdleLimit = ULONGLONG{kDownloadTimeout} + kEventTimeout;

bool Ready(SOCKET connection, bool forWriting) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(connection, &set);
    timeval slice = kSlice;
    return select(0, forWriting ? nullptr : &set, forWriting ? &set : nullptr, nullptr, &slice) > 0;
}

}  // namespace

LoopbackServer::LoopbackServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    listen(listener_, 8);
    thread_ = std::thread([this] { Run(); });
}

LoopbackServer::~LoopbackServer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    released_.notify_all();
    thread_.join();
    closesocket(listener_);
    WSACleanup();
}

void LoopbackServer::Serve(const std::string& path, std::string body, Reply reply) {
    const std::lock_guard lock(mutex_);
    resources_[path] = {std::move(body), reply, {}};
}

void LoopbackServer::Redirect(const std::string& path, const std::string& to) {
    const std::lock_guard lock(mutex_);
    resources_[path] = {{}, Reply::Whole, to};
}

void LoopbackServer::Release(const std::string& path) {
    {
        const std::lock_guard lock(mutex_);
        releasedPaths_.insert(path);
    }
    released_.notify_all();
}

void LoopbackServer::Pace(const std::string& path) {
    const std::lock_guard lock(mutex_);
    pacedPaths_.insert(path);
}

void LoopbackServer::LetPacedAnswersGo(int count) {
    {
        const std::lock_guard lock(mutex_);
        pacedLetGo_ = std::max(pacedLetGo_, count);
    }
    released_.notify_all();
}

std::wstring LoopbackServer::Url(const std::string& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(port_) + std::wstring(path.begin(), path.end());
}

int LoopbackServer::Requests(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    const auto found = requests_.find(path);
    return found == requests_.end() ? 0 : found->second;
}

int LoopbackServer::TotalRequests() const {
    const std::lock_guard lock(mutex_);
    int total = 0;
    for (const auto& [path, count] : requests_) total += count;
    return total;
}

int LoopbackServer::Answered(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    const auto found = answered_.find(path);
    return found == answered_.end() ? 0 : found->second;
}

void LoopbackServer::Run() {
    while (!stopping_) {
        if (!Ready(listener_, false)) continue;
        const SOCKET connection = accept(listener_, nullptr, nullptr);
        if (connection == INVALID_SOCKET) continue;
        u_long nonBlocking = 1;
        if (ioctlsocket(connection, FIONBIO, &nonBlocking) == 0) Answer(connection);
        closesocket(connection);
    }
}

bool LoopbackServer::AwaitReady(SOCKET connection, bool forWriting) const {
    const ULONGLONG deadline = GetTickCount64() + kIdleLimit;
    while (!stopping_) {
        if (Ready(connection, forWriting)) return true;
        if (GetTickCount64() >= deadline) return false;
    }
    return false;
}

bool LoopbackServer::ReceiveHead(SOCKET connection, std::string& head) {
    char chunk[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
        if (!AwaitReady(connection, false)) return false;
        const int received = recv(connection, chunk, sizeof chunk, 0);
        if (received <= 0) return false;
        head.append(chunk, received);
    }
    return true;
}

void LoopbackServer::Answer(SOCKET connection) {
    std::string request;
    if (!ReceiveHead(connection, request)) return;
    // "GET /path HTTP/1.1"
    const std::size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    Resource resource{"<html><body>Not Found</body></html>", Reply::NotFound, {}};
    {
        std::unique_lock lock(mutex_);
        ++requests_[path];
        if (const auto found = resources_.find(path); found != resources_.end()) resource = found->second;
        if (pacedPaths_.count(path) > 0) {
            const int turn = ++pacedRequests_;
            released_.wait(lock, [&] { return stopping_ || pacedLetGo_ >= turn; });
            if (stopping_) return;
        }
    }
    SendBody(connection, path, resource);
    shutdown(connection, SD_SEND);
    const std::lock_guard lock(mutex_);
    ++answered_[path];
}

void LoopbackServer::SendBody(SOCKET connection, const std::string& path, const Resource& resource) {
    std::string head = "HTTP/1.1 ";
    if (!resource.location.empty()) {
        head += "302 Found\r\nLocation: " + resource.location + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        SendAll(connection, head.data(), head.size());
        return;
    }
    head += resource.reply == Reply::NotFound ? "404 Not Found" : "200 OK";
    head += "\r\nContent-Type: application/octet-stream\r\n";
    switch (resource.reply) {
    case Reply::CutShortUnannounced:
    case Reply::Endless:
        break;
    case Reply::CutShortChunked:
        head += "Transfer-Encoding: chunked\r\n";
        break;
    default:
        head += "Content-Length: " + std::to_string(resource.body.size()) + "\r\n";
        break;
    }
    head += "Connection: close\r\n\r\n";
    if (!SendAll(connection, head.data(), head.size())) return;

    const std::string& body = resource.body;
    const std::size_t half = body.size() / 2;
    switch (resource.reply) {
    case Reply::Whole:
    case Reply::NotFound:
        SendAll(connection, body.data(), body.size());
        return;
    case Reply::CutShort:
    case Reply::CutShortUnannounced:
        SendAll(connection, body.data(), half);
        return;
    case Reply::CutShortChunked:
        for (std::size_t at = 0; at < half; at += 4096) {
            const std::size_t size = std::min<std::size_t>(4096, half - at);
            char sizeLine[16];
            std::snprintf(sizeLine, sizeof sizeLine, "%lx\r\n", static_cast<unsigned long>(size));
            const std::string piece = sizeLine + body.substr(at, size) + "\r\n";
            if (!SendAll(connection, piece.data(), piece.size())) return;
        }
        return;
    case Reply::Stall:
        SendAll(connection, body.data(), half);
        WaitForClientToGo(connection);
        return;
    case Reply::Held: {
        if (!SendAll(connection, body.data(), half)) return;
        {
            std::unique_lock lock(mutex_);
            released_.wait(lock, [&] { return stopping_ || releasedPaths_.count(path) > 0; });
        }
        SendAll(connection, body.data() + half, body.size() - half);
        return;
    }
    case Reply::Endless: {
        const std::string block(64 * 1024, 'x');
        while (SendAll(connection, block.data(), block.size())) {
        }
        return;
    }
    }
}

bool LoopbackServer::SendAll(SOCKET connection, const char* data, std::size_t size) {
    while (size > 0) {
        if (!AwaitReady(connection, true)) return false;
        const int sent = send(connection, data, static_cast<int>(std::min<std::size_t>(size, 1 << 16)), 0);
        if (sent == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) continue;
        if (sent <= 0) return false;
        data += sent;
        size -= sent;
    }
    return true;
}

void LoopbackServer::WaitForClientToGo(SOCKET connection) {
    char byte;
    while (AwaitReady(connection, false) && recv(connection, &byte, 1, 0) > 0) {
    }
}

}  // namespace webtest
