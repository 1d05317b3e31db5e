// An HTTP server on 127.0.0.1 that a test starts and stops itself: it serves
// the bodies it is given, answers 404 for everything else, can close a
// connection halfway through a body, and counts the requests for each path.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace webtest {

class LoopbackServer {
public:
    // CutShort closes the connection halfway through the body; Stall sends
    // half of it and then waits until the client goes or the server stops.
    enum class Reply { Whole, NotFound, CutShort, Stall };

    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    void Serve(const std::string& path, std::string body, Reply reply = Reply::Whole);
    std::wstring Url(const std::string& path) const;
    int Requests(const std::string& path) const;
    int TotalRequests() const;

private:
    struct Resource {
        std::string body;
        Reply reply;
    };
    void Run();
    void Answer(SOCKET connection);
    void WaitForClientToGo(SOCKET connection);

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Resource> resources_;
    std::map<std::string, int> requests_;
    std::thread thread_;
};

}  // namespace webtest
