// The application object: one per program, constructed before WinMain (a
// static instance of a class derived from this one). The layer's WinMain
// runs InitInstance, then the message loop until WM_QUIT, then ExitInstance
// (also when InitInstance failed); the document, its frame and view are gone
// before ExitInstance runs.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "appkit/framework/CommandLine.h"
#include "appkit/framework/CommandTarget.h"
#include "appkit/framework/Profile.h"
#include "appkit/framework/RecentFileList.h"
#include "appkit/framework/SingleDocTemplate.h"

namespace appkit {

class Application : public CommandTarget {
public:
    // The name comes from string APPKIT_IDS_APP_NAME.
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application() override;

    // The program's application object; null when none lives.
    static Application* Current();

    // What WinMain runs: InitInstance, Run or ExitInstance; the exit code.
    int Main();
    // Starts the program; false ends it.
    virtual bool InitInstance();
    // The message loop; ends on WM_QUIT, closes the document and answers ExitInstance.
    virtual int Run();
    // Ends the program: saves the recent-file list; answers the exit code of WM_QUIT.
    virtual int ExitInstance();

    // Commands of the application: File New, File Open, the recent files and Exit.
    bool OnCmdMsg(UINT id, CommandCall& call) override;

    const std::string& AppName() const { return appName_; }

    // Settings under HKEY_CURRENT_USER\Software\<company>\<application name>.
    void SetRegistryKey(const std::string& company);
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& fallback = {}) const;
    UINT GetProfileInt(const std::string& section, const std::string& entry, UINT fallback) const;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);
    bool WriteProfileInt(const std::string& section, const std::string& entry, UINT value);

    // A recent-file list of `count` entries, read from the settings.
    void LoadStdProfileSettings(UINT count = 4);
    RecentFileList& RecentFiles() { return recentFiles_; }
    void AddToRecentFileList(const std::string& path) { recentFiles_.Add(path); }

    // The program's one document template.
    void SetDocTemplate(std::unique_ptr<SingleDocTemplate> docTemplate);
    SingleDocTemplate* DocTemplate() const { return template_.get(); }
    Document* OpenDocumentFile(const std::string& path);

    // The command line of this process, and carrying it out: File New, or
    // opening the named file; false when that failed.
    static CommandLineInfo ParseCommandLine();
    bool ProcessShellCommand(const CommandLineInfo& info);

    FrameWindow* MainFrame() const { return mainFrame_; }
    HWND MainWindow() const { return mainFrame_ ? mainFrame_->Handle() : nullptr; }
    void SetMainFrame(FrameWindow* frame) { mainFrame_ = frame; }

protected:
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

private:
    friend class FrameWindow;
    // The main frame's window was destroyed: the loop is asked to end.
    void OnMainFrameDestroyed();
    // Closes the document, then ExitInstance.
    int Finish();
    bool TranslateMessageForWindows(MSG& msg);
    void OpenRecentFile(size_t index);

    std::string appName_;
    Profile profile_;
    RecentFileList recentFiles_;
    std::unique_ptr<SingleDocTemplate> template_;
    FrameWindow* mainFrame_ = nullptr;
    int exitCode_ = 0;
};

}  // namespace appkit
