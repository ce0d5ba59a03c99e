#include "app/win32/dpi.h"

#include <cwchar>

namespace varnel::win32 {

namespace {

template <typename Function> Function UserFunction(const char* name) {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    return user == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontExists(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

LOGFONTW MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    static const auto forDpi =
        UserFunction<SystemParametersForDpiFunction>("SystemParametersInfoForDpi");
    if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
        return metrics.lfMessageFont;
    }
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfMessageFont;
}

} // namespace

UINT WindowDpi(HWND window) {
    static const auto forWindow = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr) {
        const UINT dpi = forWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

int ScaleToDpi(int length, UINT dpi) {
    return MulDiv(length, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}

RECT OuterForClient(RECT client, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto forDpi = UserFunction<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (forDpi == nullptr || !forDpi(&client, style, FALSE, exStyle, dpi)) {
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    }
    return client;
}

HFONT CreateInterfaceFont(UINT dpi, int pixels, int weight) {
    LOGFONTW font = MessageFont(dpi);
    // The window is all Chinese: a face made for it where the system has one.
    static const bool haveYaHei = FontExists(L"Microsoft YaHei UI");
    if (haveYaHei) {
        wcsncpy(font.lfFaceName, L"Microsoft YaHei UI", LF_FACESIZE - 1);
        font.lfCharSet = DEFAULT_CHARSET;
    }
    font.lfHeight = -ScaleToDpi(pixels, dpi);
    font.lfWidth = 0;
    font.lfWeight = weight;
    font.lfItalic = FALSE;
    font.lfQuality = CLEARTYPE_QUALITY;
    return CreateFontIndirectW(&font);
}

} // namespace varnel::win32
