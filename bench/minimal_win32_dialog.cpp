// The baseline for the Windows start-up benchmark: the smallest USER32 dialog program, a
// template built in memory with one button, ended by Escape (IDCANCEL).
#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

INT_PTR CALLBACK BaselineProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void PutWord(std::vector<WORD>& words, WORD value) {
    words.push_back(value);
}

void PutText(std::vector<WORD>& words, const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
        words.push_back(static_cast<WORD>(*text));
    }
    words.push_back(0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::vector<WORD> words;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
    PutWord(words, LOWORD(style));
    PutWord(words, HIWORD(style));
    PutWord(words, 0);  // extended style
    PutWord(words, 0);
    PutWord(words, 1);  // one control
    for (WORD value : {0, 0, 138, 111}) {
        PutWord(words, value);
    }
    PutWord(words, 0);  // no menu
    PutWord(words, 0);  // default class
    PutText(words, L"Baseline");
    PutWord(words, 8);
    PutText(words, L"MS Sans Serif");
    if (words.size() % 2 != 0) {
        PutWord(words, 0);
    }
    const DWORD buttonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
    PutWord(words, LOWORD(buttonStyle));
    PutWord(words, HIWORD(buttonStyle));
    PutWord(words, 0);
    PutWord(words, 0);
    for (WORD value : {85, 40, 38, 14, IDOK, 0xFFFF, 0x0080}) {
        PutWord(words, value);
    }
    PutText(words, L"OK");
    PutWord(words, 0);  // no creation data
    const INT_PTR result = DialogBoxIndirectParamA(
        instance, reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), nullptr, &BaselineProcedure, 0);
    return result == IDCANCEL ? 0 : 1;
}
