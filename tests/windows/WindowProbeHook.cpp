// The part of window_probe that runs inside the game's process: a message
// hook that, at the probe's registered message, writes the id and text of the
// window menu's last two items, one "item ID TEXT" line each in UTF-8, to a
// file beside this library named after it with ".menu.txt" added.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HMODULE Self = nullptr;

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 1 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

void WriteItems(HWND window) {
    const HMENU menu = GetSystemMenu(window, FALSE);
    const int count = GetMenuItemCount(menu);
    std::string items;
    for (int position = count < 2 ? 0 : count - 2; position < count; ++position) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
        items += "item " + std::to_string(static_cast<int>(GetMenuItemID(menu, position))) + " " +
                 Utf8(text) + "\n";
    }
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(Self, path, MAX_PATH);
    // Written under another name first, so the probe never reads half a file.
    const std::wstring done = std::wstring(path, length) + L".menu.txt";
    const std::wstring writing = done + L".part";
    if (FILE* file = _wfopen(writing.c_str(), L"wb")) {
        fwrite(items.data(), 1, items.size(), file);
        fclose(file);
        MoveFileExW(writing.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) Self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK
    WindowMenuItems(int code, WPARAM removed, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removed == PM_REMOVE &&
        msg->message == RegisterWindowMessageW(L"BrimalProbeWindowMenu"))
        WriteItems(msg->hwnd);
    return CallNextHookEx(nullptr, code, removed, message);
}
