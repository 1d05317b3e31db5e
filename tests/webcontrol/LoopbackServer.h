// An HTTP server on 127.0.0.1 that a test starts and stops itself: it serves
// the bodies it is given in the ways a hostile or broken server would, answers
// 404 for everything else, and counts the requests for each path and the
// answers it finished. A connection on which nothing moves is given up only
// after longer than any test waits; stopping the server ends it at once.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>

namespace webtest {

// The limit of a test's wait for a download from the server to end: an
// endless body is read up to the bound of 64 MB first, which a loaded
// machine takes long over.
constexpr DWORD kDownloadTimeout = 60000;

class LoopbackServer {
public:
    enum class Reply {
        Whole,
        NotFound,
        // Half the body announced whole, then the connection closes.
        CutShort,
        // Half the body with no length given, then the connection closes.
        CutShortUnannounced,
        // Chunks of half the body, then the connection closes before the last chunk.
        CutShortChunked,
        // Half the body, then nothing until the client goes or the server stops.
        Stall,
        // Half the body, then the rest once the test calls Release.
        Held,
        // A body with no length that never ends: only the client can stop it.
        Endless,
    };

    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    void Serve(const std::string& path, std::string body, Reply reply = Reply::Whole);
    // A 302 answer sending the client to another path of this server.
    void Redirect(const std::string& path, const std::string& to);
    // Lets a Held answer send the rest of its body.
    void Release(const std::string& path);
    // Requests to the path wait for their answer, in turn with those to the
    // other paced paths: the nth is answered once the test has let n go.
    // The test sees what the client did with one answer before the next.
    void Pace(const std::string& path);
    void LetPacedAnswersGo(int count);
    std::wstring Url(const std::string& path) const;
    int Requests(const std::string& path) const;
    int TotalRequests() const;
    // Answers to the path that ended, whether sent whole or cut off by the client.
    int Answered(const std::string& path) const;

private:
    struct Resource {
        std::string body;
        Reply reply;
        std::string location;
    };
    void Run();
    void Answer(SOCKET connection);
    // False when the client went, nothing came in time or the server is stopping.
    bool ReceiveHead(SOCKET connection, std::string& head);
    void SendBody(SOCKET connection, const std::string& path, const Resource& resource);
    // False when the client went, took nothing in time or the server is stopping.
    bool SendAll(SOCKET connection, const char* data, std::size_t size);
    void WaitForClientToGo(SOCKET connection);
    // False when the server is stopping or the connection stayed idle too long.
    bool AwaitReady(SOCKET connection, bool forWriting) const;

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::condition_variable released_;
    std::map<std::string, Resource> resources_;
    std::set<std::string> releasedPaths_;
    std::set<std::string> pacedPaths_;
    int pacedRequests_ = 0;
    int pacedLetGo_ = 0;
    std::map<std::string, int> requests_;
    std::map<std::string, int> answered_;
    std::thread thread_;
};

}  // namespace webtest
