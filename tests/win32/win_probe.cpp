// Test helper for the Windows program: reads and drives its windows with the platform's own
// calls, as another program on the same desktop would.
//   win_probe focused                    prints the text of the focused control of the active
//                                        window
//   win_probe active                     prints the title of the active window
//   win_probe syscommand TITLE COMMAND   sends the window TITLE the system command COMMAND, as
//                                        choosing it in the window's system menu does
//   win_probe shortcut LNK               prints the target of the shortcut LNK
//   win_probe version FILE               prints the version block of FILE
//   win_probe startup EXE TITLE RUNS     median start-up to the window shown and closed, in ms
//   win_probe names                      what a screen reader reads of each control, then
//                                        closes the calculator
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/win32/probe_names.h"

namespace {

HWND WaitForWindow(const char* title, int milliseconds = 20000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (const HWND window = FindWindowA(nullptr, title); window && IsWindowVisible(window)) {
            return window;
        }
        Sleep(10);
    }
    return nullptr;
}

// Prints a window's text in UTF-8.
void PrintTextOf(HWND window) {
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    char printable[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, printable, sizeof printable, nullptr, nullptr);
    std::printf("%s", printable);
}

int PrintFocusedText() {
    const HWND active = GetForegroundWindow();
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (active == nullptr ||
        !GetGUIThreadInfo(GetWindowThreadProcessId(active, nullptr), &thread) ||
        thread.hwndFocus == nullptr) {
        return 1;
    }
    PrintTextOf(thread.hwndFocus);
    return 0;
}

int PrintActiveTitle() {
    const HWND active = GetForegroundWindow();
    if (active == nullptr) {
        return 1;
    }
    PrintTextOf(active);
    return 0;
}

int SendSystemCommand(const char* title, const char* command) {
    const HWND window = FindWindowA(nullptr, title);
    if (window == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    PostMessageA(window, WM_SYSCOMMAND, std::strtoul(command, nullptr, 0), 0);
    return 0;
}

int Version(const char* file) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &handle);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(file, 0, size, block.data())) {
        std::printf("no version block\n");
        return 1;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length);
    std::printf("FileVersion %u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS),
                LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                LOWORD(fixed->dwFileVersionLS));
    std::printf("ProductVersion %u.%u.%u.%u\n", HIWORD(fixed->dwProductVersionMS),
                LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
                LOWORD(fixed->dwProductVersionLS));
    std::printf("FlagsMask 0x%lX Flags 0x%lX OS 0x%lX Type 0x%lX Subtype 0x%lX Date %lu.%lu\n",
                fixed->dwFileFlagsMask, fixed->dwFileFlags, fixed->dwFileOS, fixed->dwFileType,
                fixed->dwFileSubtype, fixed->dwFileDateMS, fixed->dwFileDateLS);
    WORD* translation = nullptr;
    VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                   reinterpret_cast<void**>(&translation), &length);
    std::printf("Translation 0x%04X %u\n", translation[0], translation[1]);
    for (const char* key : {"FileDescription", "FileVersion", "InternalName", "LegalCopyright",
                            "OriginalFilename", "ProductName", "ProductVersion"}) {
        const std::string path = std::string("\\StringFileInfo\\040904B0\\") + key;
        char* text = nullptr;
        const bool found =
            VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length);
        std::printf("%s=%s\n", key, found ? text : "(none)");
    }
    return 0;
}

// Starts `program`, waits for its window and closes it with Escape; the time in milliseconds.
double StartAndClose(const char* program, const char* title) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = program;
    if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    const HWND window = WaitForWindow(title);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    WaitForSingleObject(process.hProcess, 20000);
    QueryPerformanceCounter(&end);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

int Startup(const char* program, const char* title, int runs) {
    StartAndClose(program, title);  // warm the caches
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(StartAndClose(program, title));
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f\n", times[times.size() / 2]);
    return 0;
}

// Prints the target of a shortcut (.lnk), as the Start menu would start it.
int ShortcutTarget(const char* shortcut) {
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {};
    const std::wstring path(shortcut, shortcut + std::strlen(shortcut));
    const bool read =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0));
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    if (!read) {
        std::printf("no shortcut at %s\n", shortcut);
        return 1;
    }
    char printable[MAX_PATH * 3] = {};
    WideCharToMultiByte(CP_UTF8, 0, target, -1, printable, sizeof printable, nullptr, nullptr);
    std::printf("%s\n", printable);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "names") == 0) {
        const HWND window = WaitForWindow("Vardolin");
        const int unread = window != nullptr ? PrintAccessibleNames(window) : 1;
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return unread == 0 ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "focused") == 0) {
        return PrintFocusedText();
    }
    if (argc == 2 && std::strcmp(argv[1], "active") == 0) {
        return PrintActiveTitle();
    }
    if (argc == 4 && std::strcmp(argv[1], "syscommand") == 0) {
        return SendSystemCommand(argv[2], argv[3]);
    }
    if (argc == 3 && std::strcmp(argv[1], "shortcut") == 0) {
        return ShortcutTarget(argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "version") == 0) {
        return Version(argv[2]);
    }
    if (argc == 5 && std::strcmp(argv[1], "startup") == 0) {
        return Startup(argv[2], argv[3], std::atoi(argv[4]));
    }
    std::fprintf(stderr,
                 "usage: win_probe focused | active | syscommand TITLE COMMAND | shortcut LNK | "
                 "version FILE | "
                 "startup EXE TITLE RUNS | names\n");
    return 2;
}
