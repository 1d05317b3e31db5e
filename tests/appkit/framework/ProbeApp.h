// A small program on the framework layer for the tests: a document that
// loads "count byte, then that many bytes", a view, a frame and an
// application, each handling probe commands and recording what happens to
// it in one event log.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "appkit/framework/Application.h"

namespace probe {

std::vector<std::string>& Events();
bool Happened(const std::string& event);

class ProbeDocument : public appkit::Document {
public:
    bool OnNewDocument() override;
    void DeleteContents() override;
    void Serialize(appkit::Archive& archive) override;
    bool OnCmdMsg(UINT id, appkit::CommandCall& call) override;

    std::string bytes;

private:
    void OnProbe();
    UINT pending_ = 0;
};

class ProbeView : public appkit::View {
public:
    void OnDraw(HDC dc) override;
    void OnUpdate(appkit::View* sender, LPARAM hint, void* hintObject) override;
    bool OnCmdMsg(UINT id, appkit::CommandCall& call) override;

    ProbeDocument& Document() const { return *static_cast<ProbeDocument*>(GetDocument()); }

    int draws = 0;
    bool allowGated = false;
    LPARAM lastHint = -1;
    // Run for WM_APP posted to the view, inside the message loop.
    std::function<void()> onApp;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnProbe();
    void OnUpdateGated(appkit::CommandUI& ui);
    void OnUpdateDisable(appkit::CommandUI& ui);
    UINT pending_ = 0;
};

class ProbeFrame : public appkit::FrameWindow {
public:
    bool OnCmdMsg(UINT id, appkit::CommandCall& call) override;

private:
    void OnProbe();
};

class ProbeApp : public appkit::Application {
public:
    static constexpr char kCompany[] = "Appkit Probe Corporation";

    bool InitInstance() override;
    int ExitInstance() override;
    bool OnCmdMsg(UINT id, appkit::CommandCall& call) override;

    ProbeView& View() const { return *static_cast<ProbeView*>(MainFrame()->GetActiveView()); }
    ProbeDocument& Document() const { return *static_cast<ProbeDocument*>(DocTemplate()->GetDocument()); }

    appkit::CommandLineInfo commandLine;
    // Run at the end of a successful InitInstance.
    std::function<void()> afterInit;

private:
    void OnProbe();
    UINT pending_ = 0;
};

}  // namespace probe
