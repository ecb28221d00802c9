// Registering and unregistering the module's editor window class.
#include "window_class.h"

#include <cstdint>
#include <cstdio>

namespace fendwick {
namespace {

// Module-wide: how many editor windows use the class, its name and the
// button setting read when it was registered.
int useCount = 0;
char className[32] = {};
bool swapped = false;

HINSTANCE thisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&useCount), &module);
    return module;
}

}  // namespace

WindowClassUse::WindowClassUse(WNDPROC procedure)
{
    if (useCount == 0) {
        // Named after the module, so that two libraries never share a class.
        std::snprintf(className, sizeof className, "Plugin%08x",
                      static_cast<unsigned>(reinterpret_cast<uintptr_t>(thisModule())));
        WNDCLASSA windowClass{};
        windowClass.style = CS_GLOBALCLASS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = thisModule();
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_BTNFACE + 1));
        windowClass.lpszClassName = className;
        if (RegisterClassA(&windowClass) == 0) {
            return;
        }
        swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    }
    ++useCount;
    registered_ = true;
}

WindowClassUse::~WindowClassUse()
{
    if (registered_ && --useCount == 0) {
        UnregisterClassA(className, thisModule());
    }
}

const char* WindowClassUse::name() const { return className; }

HINSTANCE WindowClassUse::module() const { return thisModule(); }

bool WindowClassUse::buttonsSwapped() { return swapped; }

}  // namespace fendwick
