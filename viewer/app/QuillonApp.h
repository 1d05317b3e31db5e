// The viewer's application object. Start-up prepares what the document and
// the view take for granted: COM, the "Japanese" locale, the effect modules
// the viewer brings with it (registered for the lifetime of the process), the
// effect catalogue, where new runs get their effect, the settings key, the
// recent files and the document template; shutdown releases the catalogue,
// then unregisters and deletes the modules it installed.
#pragma once

#include <memory>
#include <optional>

#include "appkit/framework/Application.h"
#include "viewer/app/EffectInstaller.h"
#include "viewer/app/StaticEffectSource.h"
#include "viewer/core/EffectCatalogue.h"

namespace app {

class CQuillonApp : public appkit::Application {
public:
    static constexpr char kCompany[] = "Tarvik Corporation";
    static constexpr UINT kRecentFiles = 4;

    bool InitInstance() override;
    int ExitInstance() override;
    bool OnCmdMsg(UINT id, appkit::CommandCall& call) override;

private:
    // OLE and COM on this thread, from start-up to the end of shutdown.
    class Apartment {
    public:
        Apartment();
        Apartment(const Apartment&) = delete;
        Apartment& operator=(const Apartment&) = delete;
        ~Apartment();

    private:
        bool ole_;
        bool com_;
    };

    void OnAppAbout();
    void OnHomePage();

    std::optional<Apartment> apartment_;
    EffectInstaller installer_;
    StaticEffectSource effects_;
    std::unique_ptr<core::EffectCatalogue> m_pEffectCatalogue;
};

}  // namespace app
