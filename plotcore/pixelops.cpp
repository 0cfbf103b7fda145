#include "plotcore/pixelops.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

inline bool SameRgb(QRgb a, QRgb b) {
    return ((a ^ b) & 0x00FFFFFFu) == 0;
}

// Raw access to a 32-bit image without detaching on every pixel.
struct Pixels {
    explicit Pixels(QImage& image)
        : bits(image.bits()), stride(image.bytesPerLine()), width(image.width()),
          height(image.height()) {}
    QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits + qsizetype(y) * stride); }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uchar* bits;
    qsizetype stride;
    int width;
    int height;
};

} // namespace

bool T_IsPixelFormat(const QImage& image) {
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

void T_FillRect(QImage& image, int left, int top, int right, int bottom, QRgb color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width());
    bottom = std::min(bottom, image.height());
    if (left >= right || top >= bottom)
        return;
    Pixels px(image);
    for (int y = top; y < bottom; ++y)
        std::fill(px.Row(y) + left, px.Row(y) + right, color);
}

void T_LineTo(QImage& image, QPoint a, QPoint b, QRgb color) {
    Pixels px(image);
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    while (x != b.x() || y != b.y()) {
        if (px.Inside(x, y))
            px.Row(y)[x] = color;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void T_FloodFill(QImage& image, const QRect& bounds, QPoint seed, QRgb target, QRgb color) {
    const QRect box = bounds & image.rect();
    if (SameRgb(target, color) || !box.contains(seed))
        return;
    Pixels px(image);
    if (!SameRgb(px.Row(seed.y())[seed.x()], target))
        return;
    // Scan-line fill: each popped point fills its whole run and queues the rows next to it.
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        QRgb* row = px.Row(p.y());
        if (!SameRgb(row[p.x()], target))
            continue;
        int l = p.x(), r = p.x();
        while (l > box.left() && SameRgb(row[l - 1], target))
            --l;
        while (r < box.right() && SameRgb(row[r + 1], target))
            ++r;
        std::fill(row + l, row + r + 1, color);
        for (int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < box.top() || ny > box.bottom())
                continue;
            const QRgb* next = px.Row(ny);
            bool inRun = false;
            for (int x = l; x <= r; ++x) {
                const bool match = SameRgb(next[x], target);
                if (match && !inRun)
                    stack.emplace_back(x, ny);
                inRun = match;
            }
        }
    }
}
