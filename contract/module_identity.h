// Identity of every effect module: class identifiers, type libraries,
// display names, descriptions and property-block sizes, as data.
#pragma once

#include <windows.h>

#include <span>

namespace contract {

enum class Module {
#include "contract/module_ids.inc"
};

struct ModuleIdentity {
    const char* word;             // module word, also the file name
    const wchar_t* className;     // coclass, the module word + "Font"
    CLSID clsid;
    CLSID libid;
    const wchar_t* displayName;   // what IViviFont::Name answers
    const wchar_t* description;
    unsigned propertySize;        // N: payload bytes of the property records
    bool hasEditor;
    CLSID editor;                 // the outside property editor's class
    int iconId;
};

const ModuleIdentity& Identity(Module module);
std::span<const ModuleIdentity> AllModules();

// The author text every module answers.
extern const wchar_t kAuthor[];

}  // namespace contract
