// The identity methods of IViviFont, answered from a module's identity.
#pragma once

#include "contract/contract.h"
#include "contract/module_identity.h"

namespace effectbase {

constexpr int kInterfaceVersion = 1;

HRESULT AnswerVersion(int* version);
HRESULT AnswerName(const contract::ModuleIdentity& identity, short** name);
HRESULT AnswerDescription(const contract::ModuleIdentity& identity, short** description);
HRESULT AnswerAuthor(short** author);
HRESULT AnswerIcon(const contract::ModuleIdentity& identity, HICON* icon);
HRESULT AnswerClsid(const contract::ModuleIdentity& identity, CLSID* clsid);

}  // namespace effectbase
