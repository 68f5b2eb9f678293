// The Win32 entry point: the machine's services, then the program's objects
// in their fixed order (destroyed in reverse), then the application.
#include <windows.h>

#include "app/SetupApp.h"
#include "install/PictureSurface.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Drawing.h"
#include "platform/win32/Win32Drives.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32KeyStore.h"
#include "res/EmbeddedResources.h"
#include "state/SetupState.h"
#include "texts/UiTexts.h"
#include "ui/SceneResources.h"

namespace {

struct Machine {
    explicit Machine(HINSTANCE module) : windows(module) {}

    Win32WindowSystem windows;
    Win32Drawing drawing;
    Win32KeyStore keys;
    Win32FileSystem files;
    Win32Drives drives;
    DiscoveryEnvironment environment{keys, files, drives};
};

struct ProgramObjects {
    explicit ProgramObjects(Machine& machine) : scene(machine.drawing) {}

    CSetupApp app;
    SceneResources scene;  // the two pens now, the rest with the dialog
    SetupState state;
    PictureSurface surface;
    UiTexts texts;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE module, HINSTANCE, PWSTR, int) {
    Machine machine(module);
    ProgramObjects program(machine);
    program.app.InitInstance({program.state, program.texts, program.scene, program.surface,
                              machine.windows, EmbeddedResources(), machine.environment});
    return 0;
}
