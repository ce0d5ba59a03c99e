// An off-screen picture: a bitmap compatible with a device context, selected into a memory DC
// for the lifetime of the object.
#pragma once

#include <windows.h>

namespace varnel::win32 {

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

} // namespace varnel::win32
