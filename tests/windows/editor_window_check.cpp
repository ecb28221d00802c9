// Opens a plug-in DLL's editor in a window of its own as a Windows host does, and checks the child window it makes, what it paints and what closing leaves.
//
// usage: editor_window_check PLUGIN.dll OUT.ppm
// Writes the editor's painted pixels to OUT.ppm for comparison with the
// headless render and ends with "N passed, N failed".
#include "hosted_plugin.h"
#include "plugin_library.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using fendwick::EditorRect;
namespace EffectOpcode = fendwick::EffectOpcode;

int passed = 0;
int failed = 0;

void check(bool condition, const std::string& what)
{
    if (condition) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what.c_str());
    }
}

BOOL CALLBACK countChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int childCount(HWND parent)
{
    int count = 0;
    EnumChildWindows(parent, countChild, reinterpret_cast<LPARAM>(&count));
    return count;
}

HWND makeHostWindow()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "EditorCheckHost";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "EditorCheckHost", "host", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 800, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
}

// Runs the host's side of the message loop and the editor's idle until the queue stays empty.
void pumpAndIdle(fendwick::HostedPlugin& plugin)
{
    for (int round = 0; round < 20; ++round) {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        plugin.dispatch(EffectOpcode::editorIdle);
    }
}

std::string classNameOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The window's client pixels as rows of red, green, blue bytes.
std::vector<unsigned char> capture(HWND window, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC windowContext = GetDC(window);
    HDC memory = CreateCompatibleDC(windowContext);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(windowContext, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, windowContext, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<unsigned char> rgb;
    const auto* words = static_cast<const unsigned*>(bits);
    for (int i = 0; i < width * height; ++i) {
        rgb.push_back(static_cast<unsigned char>(words[i] >> 16));
        rgb.push_back(static_cast<unsigned char>(words[i] >> 8));
        rgb.push_back(static_cast<unsigned char>(words[i]));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, windowContext);
    return rgb;
}

void writePpm(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    std::fwrite(rgb.data(), 1, rgb.size(), file);
    std::fclose(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: editor_window_check PLUGIN.dll OUT.ppm\n");
        return 2;
    }
    const HWND host = makeHostWindow();
    const HWND secondHost = makeHostWindow();
    fendwick::PluginLibrary library(argv[1]);
    fendwick::HostedPlugin plugin(library);
    EditorRect* rect = nullptr;
    plugin.dispatch(EffectOpcode::editorGetRect, 0, 0, &rect);
    check(rect != nullptr, "the editor answers its rectangle");
    if (rect == nullptr) {
        std::printf("%d passed, %d failed\n", passed, failed);
        return 1;
    }
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;

    check(plugin.dispatch(EffectOpcode::editorOpen, 0, 0, host) == 1, "open answers 1");
    pumpAndIdle(plugin);
    const HWND editor = GetWindow(host, GW_CHILD);
    check(childCount(host) == 1, "open makes one child window of the host's window");
    RECT client{};
    GetClientRect(editor, &client);
    check(client.right == width && client.bottom == height, "the child window has the editor's size");
    const std::string className = classNameOf(editor);
    check(className.rfind("Plugin", 0) == 0, "the child window's class is the module's (" + className + ")");
    writePpm(argv[2], width, height, capture(editor, width, height));

    // A second instance of the same library shares the class until both are closed.
    fendwick::HostedPlugin second(library);
    check(second.dispatch(EffectOpcode::editorOpen, 0, 0, secondHost) == 1, "a second editor opens");
    pumpAndIdle(second);
    WNDCLASSA found{};
    const HINSTANCE module = reinterpret_cast<HINSTANCE>(GetClassLongPtrA(editor, GCLP_HMODULE));
    plugin.dispatch(EffectOpcode::editorClose);
    pumpAndIdle(plugin);
    check(childCount(host) == 0, "close leaves no window in the host's window");
    check(GetClassInfoA(module, className.c_str(), &found) != FALSE, "the class stays while another editor is open");
    second.dispatch(EffectOpcode::editorClose);
    pumpAndIdle(second);
    check(childCount(secondHost) == 0, "the second close leaves no window either");
    check(GetClassInfoA(module, className.c_str(), &found) == FALSE, "the last close unregisters the class");

    check(plugin.dispatch(EffectOpcode::editorOpen, 0, 0, host) == 1, "the editor opens again after closing");
    pumpAndIdle(plugin);
    check(childCount(host) == 1, "reopening makes one child window again");
    plugin.dispatch(EffectOpcode::editorClose);
    check(childCount(host) == 0, "closing again leaves no window");

    DestroyWindow(host);
    DestroyWindow(secondHost);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
