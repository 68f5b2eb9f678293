#include "platform/win32/Win32Dialogs.h"

#include <memory>
#include <optional>
#include <vector>

#include "platform/DialogUnits.h"
#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Win32Drawing.h"
#include "platform/win32/Win32Text.h"

namespace {

HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

class Win32DialogWindow : public DialogWindow {
public:
    Win32DialogWindow(HWND window, HINSTANCE module) : window_(window), module_(module) {}

    void SetCaption(EncodedText text) override {
        SetWindowTextW(window_, Widen({&text, 1}).c_str());
    }
    void SetText(int controlId, std::span<const EncodedText> pieces) override {
        SetDlgItemTextW(window_, controlId, Widen(pieces).c_str());
    }
    void MoveAndShow(int controlId, Point topLeft) override {
        SetWindowPos(Control(window_, controlId), nullptr, topLeft.x, topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    void PlaceAndShow(int controlId, Rect rect) override {
        SetWindowPos(Control(window_, controlId), nullptr, rect.left, rect.top,
                     rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    void Hide(int controlId) override {
        SetWindowPos(Control(window_, controlId), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_HIDEWINDOW);
    }
    void Enable(int controlId, bool enabled) override {
        EnableWindow(Control(window_, controlId), enabled);
    }
    void Focus(int controlId) override {
        // Through the dialog manager, so that the default button follows.
        SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(window_, controlId)),
                     TRUE);
    }
    void SetIcons(Icon icon) override {
        const auto handle = static_cast<LPARAM>(icon.handle);
        SendMessageW(window_, WM_SETICON, ICON_BIG, handle);
        SendMessageW(window_, WM_SETICON, ICON_SMALL, handle);
    }
    bool AppendSystemMenuEntry(unsigned command, int stringId) override {
        HMENU menu = GetSystemMenu(window_, FALSE);
        if (!menu) return false;
        wchar_t text[256];
        if (LoadStringW(module_, static_cast<UINT>(stringId), text, 256) <= 0) return false;
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, command, text);
        return true;
    }
    void EndDialog(int result) override { ::EndDialog(window_, result); }
    bool IsMinimized() const override { return IsIconic(window_); }
    Size ClientSize() const override {
        RECT client;
        GetClientRect(window_, &client);
        return {client.right, client.bottom};
    }
    std::unique_ptr<Canvas> ClientCanvas() override {
        return std::make_unique<Win32Canvas>(window_);
    }

private:
    HWND window_;
    HINSTANCE module_;
};

struct ModalRun {
    int templateId;
    DialogHandler& handler;
    HINSTANCE module;
    HFONT font;
    std::unique_ptr<Win32DialogWindow> window;
};

// The dialogs that run at the moment, innermost last: a new one's owner.
std::vector<HWND> runningDialogs;

bool IsImageStatic(const TemplateItem& item) {
    constexpr DWORD kStaticClassBits = SS_TYPEMASK;
    const DWORD type = item.style & kStaticClassBits;
    return type == SS_BITMAP || type == SS_ICON;
}

void CentreOver(HWND window, HWND owner) {
    RECT area;
    if (owner) {
        GetWindowRect(owner, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Places the controls at the template's pixel rectangles and sizes the
// client area, whatever base units the system's dialog font gave; images keep
// their own size.
void LayOutInPixels(HWND dialog, const ModalRun& run, HWND owner) {
    const std::optional<DialogTemplateLayout> layout =
        ReadDialogTemplate(run.module, run.templateId);
    if (!layout) return;
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const TemplateItem& item : layout->items) {
        if (!child) break;
        const Rect rect = DialogUnitsToPixels(item.x, item.y, item.width, item.height);
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (IsImageStatic(item)) flags |= SWP_NOSIZE;
        SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, flags);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(run.font), FALSE);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    RECT frame = {0, 0, DialogUnitsToPixelsX(layout->width), DialogUnitsToPixelsY(layout->height)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOver(dialog, owner);
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* run = reinterpret_cast<ModalRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        run = reinterpret_cast<ModalRun*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const HWND owner = runningDialogs.empty() ? nullptr : runningDialogs.back();
        runningDialogs.push_back(dialog);
        LayOutInPixels(dialog, *run, owner);
        run->window = std::make_unique<Win32DialogWindow>(dialog, run->module);
        return run->handler.InitDialog(*run->window);
    }
    if (!run || !run->window) return FALSE;
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) return FALSE;
            run->handler.Command(LOWORD(wParam));
            return TRUE;
        case WM_SYSCOMMAND:
            return run->handler.SysCommand(static_cast<unsigned>(wParam));
        case WM_PAINT: {
            // Erasing first, so that the erase does not cover what the
            // handler draws.
            PAINTSTRUCT paint;
            BeginPaint(dialog, &paint);
            run->handler.Paint();
            EndPaint(dialog, &paint);
            return TRUE;
        }
        case WM_QUERYDRAGICON:
            return static_cast<INT_PTR>(run->handler.QueryDragIcon().handle);
        case WM_DESTROY:
            runningDialogs.pop_back();
            run->handler.Destroy();
            run->window.reset();
            return TRUE;
        default:
            return FALSE;
    }
}

// Every dialog and message box of the thread answers the colour requests
// of itself and its controls.
struct DialogColours {
    COLORREF text = 0;
    HBRUSH background = nullptr;
    HHOOK hook = nullptr;
};
DialogColours colours;
constexpr wchar_t kOriginalProcedure[] = L"PlexaruOriginalProcedure";

LRESULT CALLBACK ColouredDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(window, kOriginalProcedure));
    switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, colours.text);
            LOGBRUSH brush;
            GetObjectW(colours.background, sizeof brush, &brush);
            SetBkColor(dc, brush.lbColor);
            return reinterpret_cast<LRESULT>(colours.background);
        }
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            RemovePropW(window, kOriginalProcedure);
            break;
        default:
            break;
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

bool IsDialogClass(HWND window) {
    wchar_t name[16];
    return GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, L"#32770") == 0;
}

LRESULT CALLBACK WatchWindowCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (IsDialogClass(window)) {
            const LONG_PTR original = SetWindowLongPtrW(
                window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ColouredDialogProcedure));
            SetPropW(window, kOriginalProcedure, reinterpret_cast<HANDLE>(original));
        }
    }
    return CallNextHookEx(colours.hook, code, wParam, lParam);
}

HFONT CreateControlFont() {
    // 8 points on the 96-dpi screen the layout assumes.
    LOGFONTW request = {};
    request.lfHeight = -11;
    request.lfWeight = FW_NORMAL;
    request.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(request.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    return CreateFontWithCyrillic(request);
}

}  // namespace

Win32WindowSystem::Win32WindowSystem(HINSTANCE module)
    : module_(module), controlFont_(CreateControlFont()) {}

Win32WindowSystem::~Win32WindowSystem() {
    if (colours.hook) UnhookWindowsHookEx(colours.hook);
    if (colours.background) DeleteObject(colours.background);
    colours = {};
    DeleteObject(controlFont_);
}

int Win32WindowSystem::RunModal(int templateId, DialogHandler& handler) {
    ModalRun run{templateId, handler, module_, controlFont_, nullptr};
    const HWND owner = runningDialogs.empty() ? nullptr : runningDialogs.back();
    return static_cast<int>(DialogBoxParamW(module_, MAKEINTRESOURCEW(templateId), owner,
                                            &DialogProcedure, reinterpret_cast<LPARAM>(&run)));
}

void Win32WindowSystem::SetDialogColours(Colour background, Colour text) {
    if (colours.background) DeleteObject(colours.background);
    colours.background = ::CreateSolidBrush(RGB(background.red, background.green, background.blue));
    colours.text = RGB(text.red, text.green, text.blue);
    if (!colours.hook) {
        colours.hook =
            SetWindowsHookExW(WH_CBT, &WatchWindowCreation, nullptr, GetCurrentThreadId());
    }
}

Icon Win32WindowSystem::LoadIcon(int id) {
    return Icon{reinterpret_cast<std::uintptr_t>(LoadIconW(module_, MAKEINTRESOURCEW(id)))};
}

Size Win32WindowSystem::IconSize() {
    return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

Cursor Win32WindowSystem::LoadWaitCursor() {
    constexpr WORD kSystemWaitCursor = 32514;  // IDC_WAIT
    return Cursor{reinterpret_cast<std::uintptr_t>(
        LoadCursorW(nullptr, MAKEINTRESOURCEW(kSystemWaitCursor)))};
}

Cursor Win32WindowSystem::SetCursor(Cursor cursor) {
    return Cursor{
        reinterpret_cast<std::uintptr_t>(::SetCursor(reinterpret_cast<HCURSOR>(cursor.handle)))};
}
