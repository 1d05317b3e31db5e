#include "effectbase/IdentityAnswers.h"

#include "comkit/ModuleState.h"
#include "comkit/TaskMem.h"

namespace effectbase {

namespace {
HRESULT AnswerText(const wchar_t* text, short** out) {
    if (!out) return E_POINTER;
    *out = comkit::CopyToTaskMem(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}
}  // namespace

HRESULT AnswerVersion(int* version) {
    if (!version) return E_POINTER;
    *version = kInterfaceVersion;
    return S_OK;
}

HRESULT AnswerName(const contract::ModuleIdentity& identity, short** name) {
    return AnswerText(identity.displayName, name);
}

HRESULT AnswerDescription(const contract::ModuleIdentity& identity, short** description) {
    return AnswerText(identity.description, description);
}

HRESULT AnswerAuthor(short** author) { return AnswerText(contract::kAuthor, author); }

HRESULT AnswerIcon(const contract::ModuleIdentity& identity, HICON* icon) {
    if (!icon) return E_POINTER;
    *icon = LoadIconA(comkit::ModuleState::Instance(), MAKEINTRESOURCEA(identity.iconId));
    return S_OK;
}

HRESULT AnswerClsid(const contract::ModuleIdentity& identity, CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = identity.clsid;
    return S_OK;
}

}  // namespace effectbase
