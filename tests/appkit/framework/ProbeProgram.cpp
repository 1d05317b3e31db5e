// The probe as a program of its own, for tests that start it with a command
// line: it opens what the command line asks for, closes its window at once
// and exits with the number of bytes its document loaded, or 255 when it
// could not start. It answers its own message boxes with OK.
#include "tests/appkit/framework/ProbeApp.h"
#include "winkit/MessageBoxes.h"

namespace {

class ProbeProgram : public probe::ProbeApp {
public:
    bool InitInstance() override {
        commandLine = ParseCommandLine();
        if (!ProbeApp::InitInstance()) return false;
        started_ = true;
        loaded_ = static_cast<int>(Document().bytes.size());
        PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
        return true;
    }

    int ExitInstance() override {
        ProbeApp::ExitInstance();
        return started_ ? loaded_ : 255;
    }

private:
    bool started_ = false;
    int loaded_ = 0;
};

const winkit::ScopedMessageBoxAnswer answerBoxes([](const winkit::MessageBoxRequest&) { return IDOK; });
ProbeProgram theProgram;

}  // namespace
