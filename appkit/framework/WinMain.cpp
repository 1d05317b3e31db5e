// The program's entry: its static application object does the rest.
#include "appkit/framework/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    appkit::Application* app = appkit::Application::Current();
    return app ? app->Main() : -1;
}
