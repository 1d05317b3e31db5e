// The viewer's one application object; the framework's entry point runs it.
#include "viewer/app/QuillonApp.h"

namespace {

app::CQuillonApp theApp;

}  // namespace
