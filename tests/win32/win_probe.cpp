// Test helper for the Windows program: reads and drives its windows with the platform's own
// calls, as another program on the same desktop would.
//   win_probe drive [SIGNAL]             types 445 into Val., checks results, menu, About box;
//                                        with SIGNAL, pauses for a picture of the result
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
#include <cstring>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/probe_names.h"

namespace {

int failures = 0;

void Check(bool condition, const char* what) {
    std::printf("%s: %s\n", condition ? "ok" : "FAIL", what);
    if (!condition) {
        ++failures;
    }
}

HWND WaitForWindow(const char* title, int milliseconds = 20000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (const HWND window = FindWindowA(nullptr, title); window && IsWindowVisible(window)) {
            return window;
        }
        Sleep(10);
    }
    return nullptr;
}

bool WaitUntilGone(const char* title, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (FindWindowA(nullptr, title) == nullptr) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ItemText(HWND dialog, int id) {
    return TextOf(GetDlgItem(dialog, id));
}

// Presses a key in a control the way the keyboard does: through the dialog's message loop.
void PressKey(HWND control, WPARAM key) {
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

void TypeText(HWND edit, const char* text) {
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char* c = text; *c != '\0'; ++c) {
        PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(*c), 1);
    }
}

bool WaitForText(HWND dialog, int id, const std::string& text) {
    for (int waited = 0; waited < 5000; waited += 10) {
        if (ItemText(dialog, id) == text) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

// Tells the script driving this probe that the window shows a result worth a picture: creates
// `signal` and waits (10 s at most) until the script has taken it and removed the file.
void PauseForPicture(const char* signal) {
    if (signal == nullptr) {
        return;
    }
    std::fclose(std::fopen(signal, "w"));
    for (int waited = 0; waited < 10000 && GetFileAttributesA(signal) != INVALID_FILE_ATTRIBUTES;
         waited += 50) {
        Sleep(50);
    }
}

int Drive(const char* pictureSignal) {
    const HWND calculator = WaitForWindow("Vardolin");
    if (calculator == nullptr) {
        std::printf("FAIL: no window \"Vardolin\"\n");
        return 1;
    }
    Check(ItemText(calculator, IDC_REFERENCE) == "440", "Ref. shows 440 at start");

    const HWND value = GetDlgItem(calculator, IDC_VALUE);
    TypeText(value, "445");
    PressKey(value, VK_RETURN);
    Check(WaitForText(calculator, IDC_TONE, " A3"), "Enter in Val. gives Tone \" A3\"");
    Check(ItemText(calculator, IDC_CENT) == "19.5622", "and Cent 19.5622");
    PauseForPicture(pictureSignal);

    for (const WPARAM command : {WPARAM{0x0010}, WPARAM{0x0013}}) {
        PostMessageA(calculator, WM_SYSCOMMAND, command, 0);
        const HWND about = WaitForWindow("About Vardolin");
        Check(about != nullptr,
              command == 0x0010 ? "0x0010 opens the About box" : "0x0013 opens the About box");
        if (about == nullptr) {
            continue;
        }
        Check(GetWindow(about, GW_OWNER) == calculator, "owned by the calculator");
        Check(!IsWindowEnabled(calculator), "which takes no input meanwhile");
        PressKey(GetDlgItem(about, IDOK), VK_ESCAPE);
        Check(WaitUntilGone("About Vardolin"), "Escape closes it");
        Check(ItemText(calculator, IDC_VALUE) == "445" && ItemText(calculator, IDC_TONE) == " A3" &&
                  ItemText(calculator, IDC_CENT) == "19.5622",
              "the calculator's values are unchanged");
    }

    // Under Wine without a window manager a closed window lingers for a moment; a key pressed
    // meanwhile can reach the closing box's loop instead. A person would press again.
    bool closed = false;
    for (int attempt = 0; attempt < 3 && !closed; ++attempt) {
        Sleep(1000);
        PressKey(value, VK_ESCAPE);
        closed = WaitUntilGone("Vardolin", 5000);
    }
    Check(closed, "Escape closes the calculator");
    return failures == 0 ? 0 : 1;
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
    if ((argc == 2 || argc == 3) && std::strcmp(argv[1], "drive") == 0) {
        return Drive(argc == 3 ? argv[2] : nullptr);
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
    std::fprintf(
        stderr,
        "usage: win_probe drive [SIGNAL] | shortcut LNK | version FILE | startup EXE TITLE RUNS\n");
    return 2;
}
