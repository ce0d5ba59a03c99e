#include "app/win32/banner.h"

#include <array>
#include <string>

#include "app/win32/dpi.h"
#include "app/win32/wide_text.h"
#include "app/window_texts.h"

namespace varnel::win32 {

namespace {

// Shapes are drawn this many times larger and scaled down with averaging, so that their edges
// come out smooth; text is drawn afterwards at full size.
constexpr int kOversample = 3;

struct Colour {
    BYTE r, g, b;
    [[nodiscard]] COLORREF Ref() const { return RGB(r, g, b); }
};

constexpr Colour kLeftBlue{24, 52, 112};
constexpr Colour kRightTeal{10, 124, 140};
constexpr Colour kCard{255, 255, 255};
constexpr Colour kLine{71, 85, 105};
constexpr Colour kDropped{214, 221, 230};
constexpr Colour kSurvivor{13, 148, 136};
constexpr Colour kTitle{255, 255, 255};
constexpr Colour kSubtitle{214, 236, 255};
constexpr Colour kAddress{165, 222, 240};

// A bitmap selected into a memory DC for the lifetime of the object.
class Canvas {
public:
    Canvas(HDC like, int width, int height)
        : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(like, width, height)),
          old_(SelectObject(dc_, bitmap_)) {}
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    [[nodiscard]] HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

class Scaler {
public:
    explicit Scaler(UINT dpi) : dpi_(dpi) {}
    [[nodiscard]] int operator()(int length) const { return ScaleToDpi(length, dpi_); }

private:
    UINT dpi_;
};

void FillGradient(HDC dc, int width, int height) {
    std::array<TRIVERTEX, 2> vertices{};
    const auto set = [](TRIVERTEX& v, LONG x, LONG y, Colour c) {
        v.x = x;
        v.y = y;
        v.Red = static_cast<COLOR16>(c.r << 8);
        v.Green = static_cast<COLOR16>(c.g << 8);
        v.Blue = static_cast<COLOR16>(c.b << 8);
        v.Alpha = 0;
    };
    set(vertices[0], 0, 0, kLeftBlue);
    set(vertices[1], width, height, kRightTeal);
    GRADIENT_RECT rect{0, 1};
    GradientFill(dc, vertices.data(), 2, &rect, 1, GRADIENT_FILL_RECT_H);
}

void FillRound(HDC dc, RECT rect, int radius, Colour colour) {
    HBRUSH brush = CreateSolidBrush(colour.Ref());
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    RoundRect(dc, rect.left, rect.top, rect.right + 1, rect.bottom + 1, radius, radius);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

void FillCircle(HDC dc, int x, int y, int radius, Colour colour) {
    FillRound(dc, {x - radius, y - radius, x + radius, y + radius}, 2 * radius, colour);
}

// Soft light circles in the background: drawn on a copy, then blended back at low opacity.
void DrawGlow(HDC dc, int width, int height, const Scaler& s) {
    Canvas glow(dc, width, height);
    BitBlt(glow.Dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    FillCircle(glow.Dc(), s(372), s(-6), s(74), kCard);
    FillCircle(glow.Dc(), s(300), s(112), s(46), kCard);
    FillCircle(glow.Dc(), s(40), s(108), s(30), kCard);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 22, 0};
    AlphaBlend(dc, 0, 0, width, height, glow.Dc(), 0, 0, width, height, blend);
}

// A page of text lines: the first line is a duplicate that goes, the third the copy that stays.
void DrawPageIcon(HDC dc, const Scaler& s) {
    FillRound(dc, {s(20), s(16), s(84), s(84)}, s(14), kCard);
    struct Line {
        int top;
        int length;
        Colour colour;
    };
    constexpr std::array<Line, 5> lines = {{
        {29, 44, kDropped},
        {39, 32, kLine},
        {49, 44, kSurvivor},
        {59, 26, kLine},
        {69, 38, kLine},
    }};
    for (const Line& line : lines) {
        FillRound(dc, {s(30), s(line.top), s(30 + line.length), s(line.top + 5)}, s(5),
                  line.colour);
    }
}

HFONT MakeFont(int pixels, int weight, const wchar_t* face) {
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfOutPrecision = OUT_TT_PRECIS;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

void DrawLine(HDC dc, const std::wstring& text, RECT rect, HFONT font, Colour colour, UINT align) {
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, colour.Ref());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              align | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, old);
}

void DrawTexts(HDC dc, UINT dpi) {
    const Scaler s(dpi);
    SetBkMode(dc, TRANSPARENT);
    HFONT title = MakeFont(s(36), FW_SEMIBOLD, L"Segoe UI");
    HFONT subtitle = CreateInterfaceFont(dpi, 14);
    HFONT address = MakeFont(s(12), FW_NORMAL, L"Segoe UI");
    DrawLine(dc, L"Varnel", {s(100), s(10), s(396), s(56)}, title, kTitle, DT_LEFT | DT_TOP);
    DrawLine(dc, WideFromUtf8(u8"文本去重 · 相同的块只保留最后一个"),
             {s(102), s(58), s(396), s(78)}, subtitle, kSubtitle, DT_LEFT | DT_TOP);
    DrawLine(dc, WideFromGbk(app::HomePageAddress()), {s(100), s(80), s(390), s(96)}, address,
             kAddress, DT_RIGHT | DT_TOP);
    DeleteObject(address);
    DeleteObject(subtitle);
    DeleteObject(title);
}

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
        Canvas canvas(dc, client.right, client.bottom);
        PaintBanner(canvas.Dc(), client.right, client.bottom, WindowDpi(banner));
        BitBlt(dc, 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
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

void PaintBanner(HDC dc, int width, int height, UINT dpi) {
    {
        const int bigWidth = width * kOversample;
        const int bigHeight = height * kOversample;
        Canvas big(dc, bigWidth, bigHeight);
        const Scaler s(dpi * kOversample);
        FillGradient(big.Dc(), bigWidth, bigHeight);
        DrawGlow(big.Dc(), bigWidth, bigHeight, s);
        DrawPageIcon(big.Dc(), s);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, width, height, big.Dc(), 0, 0, bigWidth, bigHeight, SRCCOPY);
    }
    DrawTexts(dc, dpi);
}

} // namespace varnel::win32
