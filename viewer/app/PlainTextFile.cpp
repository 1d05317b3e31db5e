#include "viewer/app/PlainTextFile.h"

#include <windows.h>

#include "appkit/archive/FileArchive.h"
#include "winkit/FileHandle.h"
#include "appkit/framework/StandardMessages.h"

namespace app {

bool SavePlainText(const std::string& path, model::Text& text, const std::optional<TextRange>& range) {
    winkit::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        appkit::ReportFileError(path, GetLastError());
        return false;
    }
    try {
        appkit::FileArchive archive(file.get(), appkit::Archive::Mode::Store, appkit::FileArchive::Newlines::CrLf);
        if (range)
            text.SerializePlain(archive, range->first, range->last);
        else
            text.SerializePlain(archive);
        archive.Close();
        return true;
    } catch (const appkit::ArchiveError& error) {
        appkit::ReportArchiveError(path, error);
        return false;
    }
}

}  // namespace app
