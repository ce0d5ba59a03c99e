#include "app/win32/artwork.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/win32/dpi.h"
#include "app/win32/gdi_canvas.h"
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
// Lengths are in the units of the picture that holds the page.
struct PageLine {
    int top;
    int length;
    Colour colour;
};

struct Page {
    RECT card;
    int radius;
    int lineLeft;
    std::span<const PageLine> lines;
};

template <typename Unit> void DrawPage(HDC dc, const Page& page, Unit u) {
    FillRound(dc, {u(page.card.left), u(page.card.top), u(page.card.right), u(page.card.bottom)},
              u(page.radius), kCard);
    for (const PageLine& line : page.lines) {
        FillRound(dc,
                  {u(page.lineLeft), u(line.top), u(page.lineLeft + line.length), u(line.top + 5)},
                  u(5), line.colour);
    }
}

// The banner's page, in its 400 x 100 units.
constexpr std::array<PageLine, 5> kBannerLines = {{
    {29, 44, kDropped},
    {39, 32, kLine},
    {49, 44, kSurvivor},
    {59, 26, kLine},
    {69, 38, kLine},
}};

void DrawPageIcon(HDC dc, const Scaler& s) {
    DrawPage(dc, {{20, 16, 84, 84}, 14, 30, kBannerLines}, s);
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

// A 32-bit top-down DIB section whose pixels can be read, selected into a memory DC.
class PixelCanvas {
public:
    explicit PixelCanvas(int size) : size_(size), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = size;
        info.bmiHeader.biHeight = -size;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~PixelCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;
    [[nodiscard]] bool Ready() const { return bits_ != nullptr; }
    [[nodiscard]] HDC Dc() const { return dc_; }
    [[nodiscard]] HBITMAP Bitmap() const { return bitmap_; }
    // Blue, green, red, unused: one pixel. GDI drawing into the canvas reaches these bits only
    // after GdiFlush.
    [[nodiscard]] std::uint8_t* Pixel(int x, int y) const {
        return static_cast<std::uint8_t*>(bits_) +
               4 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(size_) +
                    static_cast<std::size_t>(x));
    }

private:
    int size_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// The page of lines on the icon's tile, in a 64-unit square.
constexpr std::array<PageLine, 4> kIconLines = {{
    {17, 28, kDropped},
    {26, 20, kLine},
    {35, 28, kSurvivor},
    {44, 16, kLine},
}};

void DrawIconPage(HDC dc, int size) {
    DrawPage(dc, {{12, 9, 52, 55}, 10, 18, kIconLines},
             [size](int units) { return MulDiv(units, size, 64); });
}

} // namespace

HICON CreateProgramIcon(int size) {
    // Drawn four times larger, then averaged down: smooth edges, and the coverage of the tile
    // becomes the alpha channel.
    constexpr int kScale = 4;
    const int big = size * kScale;
    PixelCanvas colour(big);
    PixelCanvas shape(big);
    PixelCanvas icon(size);
    if (!colour.Ready() || !shape.Ready() || !icon.Ready()) {
        return nullptr;
    }
    // The tile: the banner's gradient, its corners rounded by the coverage of `shape`.
    FillGradient(colour.Dc(), big, big);
    DrawIconPage(colour.Dc(), big);
    PatBlt(shape.Dc(), 0, 0, big, big, BLACKNESS);
    FillRound(shape.Dc(), {0, 0, big - 1, big - 1}, MulDiv(18, big, 64), kCard);
    GdiFlush(); // the pixels are read from here on
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            unsigned sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < kScale; ++dy) {
                for (int dx = 0; dx < kScale; ++dx) {
                    const std::uint8_t* c = colour.Pixel(x * kScale + dx, y * kScale + dy);
                    const std::uint8_t* m = shape.Pixel(x * kScale + dx, y * kScale + dy);
                    const unsigned cover = m[0];
                    sum[0] += c[0] * cover;
                    sum[1] += c[1] * cover;
                    sum[2] += c[2] * cover;
                    sum[3] += cover;
                }
            }
            std::uint8_t* out = icon.Pixel(x, y);
            const unsigned samples = kScale * kScale;
            for (int i = 0; i < 3; ++i) {
                out[i] = static_cast<std::uint8_t>(sum[3] == 0 ? 0 : sum[i] / sum[3]);
            }
            out[3] = static_cast<std::uint8_t>(sum[3] / samples);
        }
    }
    const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(size) * 16, 0);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, zeros.data());
    ICONINFO info{TRUE, 0, 0, mask, icon.Bitmap()};
    HICON result = CreateIconIndirect(&info);
    DeleteObject(mask);
    return result;
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
