// The baseline for the Windows start-up benchmark: the calculator's own window (the same dialog
// template and application manifest, from the same compiled resources) shown by the platform
// alone, with a dialog procedure that only ends it on Escape. The ratio to it is what the
// framework, the resource reading and the form add.
#include <windows.h>

namespace {

constexpr int kCalculatorTemplate = 102;

INT_PTR CALLBACK BaselineProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(kCalculatorTemplate), nullptr,
                                           &BaselineProcedure, 0);
    return result == IDCANCEL ? 0 : 1;
}
