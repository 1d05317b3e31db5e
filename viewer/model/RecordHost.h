// What reading a text record needs from the program around the model: the
// installed effects that stored runs name, and a way to tell the user that a
// record could not be read. The viewer answers from its effect catalogue and
// its message boxes; tests answer with prototypes of their own and a log.
#pragma once

#include <windows.h>

#include <string>

#include "contract/contract.h"

namespace model {

class RecordHost {
public:
    // The prototype of the class, without an added reference (the reader
    // clones it at once); null when the class is not installed.
    virtual IViviFont* FindEffectByClsid(const CLSID& clsid) = 0;
    // A fixed text and the message box style (buttons and icon); the program
    // adds its name as the caption.
    virtual void ShowMessage(const std::wstring& text, UINT style) = 0;

protected:
    ~RecordHost() = default;
};

}  // namespace model
