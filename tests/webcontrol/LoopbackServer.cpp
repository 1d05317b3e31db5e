#include "tests/webcontrol/LoopbackServer.h"

#include <ws2tcpip.h>

namespace webtest {
namespace {

void SendAll(SOCKET connection, const char* data, std::size_t size) {
    while (size > 0) {
        const int sent = send(connection, data, static_cast<int>(size), 0);
        if (sent <= 0) return;
        data += sent;
        size -= sent;
    }
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
    stopping_ = true;
    thread_.join();
    closesocket(listener_);
    WSACleanup();
}

void LoopbackServer::Serve(const std::string& path, std::string body, Reply reply) {
    const std::lock_guard lock(mutex_);
    resources_[path] = {std::move(body), reply};
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

// Waits in short slices so that stopping never takes long.
void LoopbackServer::Run() {
    while (!stopping_) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener_, &ready);
        timeval slice{0, 50 * 1000};
        if (select(0, &ready, nullptr, nullptr, &slice) <= 0) continue;
        const SOCKET connection = accept(listener_, nullptr, nullptr);
        if (connection == INVALID_SOCKET) continue;
        Answer(connection);
        closesocket(connection);
    }
}

void LoopbackServer::Answer(SOCKET connection) {
    DWORD timeout = 2000;
    setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    std::string request;
    char chunk[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int received = recv(connection, chunk, sizeof chunk, 0);
        if (received <= 0) return;
        request.append(chunk, received);
    }
    // "GET /path HTTP/1.1"
    const std::size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    Resource resource{"<html><body>Not Found</body></html>", Reply::NotFound};
    {
        const std::lock_guard lock(mutex_);
        ++requests_[path];
        if (const auto found = resources_.find(path); found != resources_.end()) resource = found->second;
    }
    const char* status = resource.reply == Reply::NotFound ? "404 Not Found" : "200 OK";
    const std::string head = std::string("HTTP/1.1 ") + status +
                             "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                             std::to_string(resource.body.size()) + "\r\nConnection: close\r\n\r\n";
    SendAll(connection, head.data(), head.size());
    const bool half = resource.reply == Reply::CutShort || resource.reply == Reply::Stall;
    SendAll(connection, resource.body.data(), half ? resource.body.size() / 2 : resource.body.size());
    if (resource.reply == Reply::Stall) WaitForClientToGo(connection);
    shutdown(connection, SD_SEND);
}

// At most ten seconds, so that a test never hangs on its server.
void LoopbackServer::WaitForClientToGo(SOCKET connection) {
    for (int slice = 0; slice < 200 && !stopping_; ++slice) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval wait{0, 50 * 1000};
        if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
        char byte;
        if (recv(connection, &byte, 1, 0) <= 0) return;
    }
}

}  // namespace webtest
