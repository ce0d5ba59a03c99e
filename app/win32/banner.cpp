#include "app/win32/banner.h"

#include "app/win32/artwork.h"
#include "app/win32/dpi.h"
#include "app/win32/gdi_canvas.h"

namespace varnel::win32 {

namespace {

void NotifyParent(HWND banner, WORD code) {
    SendMessageW(GetParent(banner), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(banner)), code),
                 reinterpret_cast<LPARAM>(banner));
}

void OnPaint(HWND banner) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(banner, &paint);
    RECT client{};
    GetClientRect(banner, &client);
    if (client.right > 0 && client.bottom > 0) {
        // Drawn off screen first, so that the picture never flickers.
        const Canvas buffer(dc, client.right, client.bottom);
        PaintBanner(buffer.Dc(), client.right, client.bottom, WindowDpi(banner));
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer.Dc(), 0, 0, SRCCOPY);
    }
    EndPaint(banner, &paint);
}

LRESULT CALLBACK BannerProc(HWND banner, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_PAINT:
        OnPaint(banner);
        return 0;
    case WM_LBUTTONDOWN:
        NotifyParent(banner, kBannerLeftPressed);
        return 0;
    case WM_RBUTTONDOWN:
        NotifyParent(banner, kBannerRightPressed);
        return 0;
    case WM_MBUTTONDOWN:
        NotifyParent(banner, kBannerMiddlePressed);
        return 0;
    default:
        return DefWindowProcW(banner, message, wParam, lParam);
    }
}

} // namespace

bool RegisterBannerClass(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kBannerClass, &existing)) {
        return true;
    }
    WNDCLASSEXW banner{};
    banner.cbSize = sizeof(banner);
    banner.lpfnWndProc = BannerProc;
    banner.hInstance = instance;
    banner.hCursor = LoadCursorW(nullptr, IDC_HAND);
    banner.lpszClassName = kBannerClass;
    return RegisterClassExW(&banner) != 0;
}

} // namespace varnel::win32
