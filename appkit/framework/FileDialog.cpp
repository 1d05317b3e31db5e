#include "appkit/framework/FileDialog.h"

namespace appkit {
namespace {

std::function<std::optional<std::string>(const FileDialogRequest&)>& AnswerSlot() {
    static std::function<std::optional<std::string>(const FileDialogRequest&)> slot;
    return slot;
}

}  // namespace

std::string DialogFilter(const std::string& filter) {
    std::string result = filter;
    for (size_t i = 0; i < result.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(result[i])) && i + 1 < result.size())
            ++i;
        else if (result[i] == '|')
            result[i] = '\0';
    }
    result.append(2, '\0');
    return result;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request) {
    if (const auto& answer = AnswerSlot()) return answer(request);

    char path[MAX_PATH] = {};
    request.fileName.copy(path, sizeof path - 1);
    const std::string filter = request.filter.empty() ? std::string() : DialogFilter(request.filter);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
    dialog.Flags = request.flags | OFN_EXPLORER;
    const BOOL chosen = request.open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (!chosen) return std::nullopt;
    return std::string(path);
}

ScopedFileDialogAnswer::ScopedFileDialogAnswer(
    std::function<std::optional<std::string>(const FileDialogRequest&)> answer)
    : ScopedOverride(AnswerSlot(), std::move(answer)) {}

}  // namespace appkit
