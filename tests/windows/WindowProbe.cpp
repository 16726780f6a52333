// Reaches the game's main window from another program, as the task bar and
// other programs do, for the test scripts under Wine. Waits up to 30 s for the
// window titled "Brimal  ", carries out one command and appends its answer,
// one line of UTF-8, to OUTPUT (a program started on a Wine desktop has no
// standard output).
//
//   window_probe OUTPUT rect         "frame L T R B client W H iconic 0|1 screen L T R B"
//   window_probe OUTPUT send|post    WM_SYSCOMMAND 11, sent or posted
//   window_probe OUTPUT move X Y     moves the window's frame to X, Y
//   window_probe OUTPUT menu         "item ID TEXT" for the window menu's last two items
//   window_probe OUTPUT menu-shown   "shown" once a pop-up menu is on screen
//   window_probe OUTPUT accessible   "provider 0|1": whether the window answers
//                                    UI Automation's request for its root
//
// The commands without a reply write "done". A command that fails writes
// "error" and the reason, so the script can say why.
// Exits with 0 once the command was carried out, 1 when there is no window or
// the command failed, 2 on a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr UINT CentreCommandId = 11;

// The first visible top-level window whose class and title match, within 30 s.
// FindWindow alone would stop at the first match, visible or not.
HWND WaitForWindow(const wchar_t* className, const wchar_t* title, int tenthsOfSecond = 300) {
    struct Search {
        const wchar_t* className;
        const wchar_t* title;
        HWND found;
    } search{className, title, nullptr};
    for (int tries = 0; tries < tenthsOfSecond && !search.found; ++tries) {
        if (tries > 0) Sleep(100);
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(data);
                wchar_t text[64] = {};
                if (!IsWindowVisible(window)) return TRUE;
                if (s.className && (!GetClassNameW(window, text, 64) || wcscmp(text, s.className)))
                    return TRUE;
                if (s.title && (!GetWindowTextW(window, text, 64) || wcscmp(text, s.title)))
                    return TRUE;
                s.found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

// Wine keeps a menu in the memory of the process that made it, so the window
// menu is read from inside the game's process: the hook library, loaded there
// by a message hook on the window's thread, writes the items beside itself.
bool ReadWindowMenu(HWND window, std::string& answer) {
    wchar_t library[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, library, MAX_PATH);
    std::wstring path(library, length);
    path.replace(path.find_last_of(L'\\') + 1, std::wstring::npos, L"window_probe_hook.dll");
    const std::wstring items = path + L".menu.txt";
    DeleteFileW(items.c_str());

    const HMODULE hook = LoadLibraryW(path.c_str());
    // Through the generic function type, which the compiler lets any cast to.
    using Generic = void (*)();
    const auto procedure = hook ? reinterpret_cast<HOOKPROC>(reinterpret_cast<Generic>(
                                      GetProcAddress(hook, "WindowMenuItems")))
                                : nullptr;
    if (!procedure) return false;
    const HHOOK installed = SetWindowsHookExW(WH_GETMESSAGE, procedure, hook,
                                              GetWindowThreadProcessId(window, nullptr));
    if (!installed) return false;
    PostMessageW(window, RegisterWindowMessageW(L"BrimalProbeWindowMenu"), 0, 0);
    FILE* file = nullptr;
    for (int tries = 0; tries < 100 && !file; ++tries) {
        Sleep(50);
        file = _wfopen(items.c_str(), L"rb");
    }
    UnhookWindowsHookEx(installed);
    if (!file) return false;
    char buffer[512];
    const size_t read = fread(buffer, 1, sizeof buffer, file);
    fclose(file);
    answer.assign(buffer, read);
    return true;
}

void Append(const wchar_t* output, const std::string& text) {
    if (FILE* file = _wfopen(output, L"ab")) {
        fputs(text.c_str(), file);
        fclose(file);
    }
}

int Fail(const wchar_t* output, const char* reason) {
    const DWORD error = GetLastError();
    Append(output, "error " + std::string(reason) + " (" + std::to_string(error) + ")\n");
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    // Sizes in the screen's own pixels, as the game's window has them.
    SetProcessDPIAware();
    const std::wstring command = argv[2];
    const HWND window = WaitForWindow(nullptr, L"Brimal  ");
    if (!window) return Fail(argv[1], "no visible window titled \"Brimal  \"");

    std::string answer;
    bool done = true;
    if (command == L"rect") {
        RECT frame{};
        RECT client{};
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetWindowRect(window, &frame);
        GetClientRect(window, &client);
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& s = monitor.rcMonitor;
        char line[200];
        std::snprintf(line, sizeof line,
                      "frame %ld %ld %ld %ld client %ld %ld iconic %d screen %ld %ld %ld %ld\n",
                      frame.left, frame.top, frame.right, frame.bottom, client.right, client.bottom,
                      IsIconic(window) ? 1 : 0, s.left, s.top, s.right, s.bottom);
        answer = line;
    } else if (command == L"send") {
        SendMessageW(window, WM_SYSCOMMAND, CentreCommandId, 0);
    } else if (command == L"post") {
        done = PostMessageW(window, WM_SYSCOMMAND, CentreCommandId, 0);
    } else if (command == L"move" && argc == 5) {
        done = SetWindowPos(window, nullptr, _wtoi(argv[3]), _wtoi(argv[4]), 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (command == L"menu") {
        done = ReadWindowMenu(window, answer);
    } else if (command == L"menu-shown") {
        // "#32768" is the class of every pop-up menu, the window menu among them.
        done = WaitForWindow(L"#32768", nullptr, 100) != nullptr;
        answer = "shown\n";
    } else if (command == L"accessible") {
        // What a screen reader asks first: the window's UI Automation root
        // (UiaRootObjectId). A window without accessibility leaves the request
        // to the default procedure, which answers 0.
        constexpr LPARAM UiaRootObjectId = -25;
        DWORD_PTR result = 0;
        done = SendMessageTimeoutW(window, WM_GETOBJECT, 0, UiaRootObjectId, SMTO_ABORTIFHUNG, 5000,
                                   &result) != 0;
        answer = result ? "provider 1\n" : "provider 0\n";
    } else {
        return 2;
    }
    if (!done) return Fail(argv[1], "the command failed");
    Append(argv[1], answer.empty() ? "done\n" : answer);
    return 0;
}
