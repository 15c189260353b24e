#include "ui/shadow_bitmap.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t PremultipliedPixel(COLORREF color, uint32_t alpha) {
    const auto scale = [alpha](uint32_t channel) { return channel * alpha / 255; };
    return alpha << 24 | scale(GetRValue(color)) << 16 | scale(GetGValue(color)) << 8 |
           scale(GetBValue(color));
}

bool IsEmpty(const RowSpan& row) { return row.start >= row.end; }

// The blur brush: full darkness inside the core radius, fading to nothing
// over the sharpness.
std::vector<uint32_t> Kernel(int radius, const ShadowShape& shape) {
    const double core = shape.size > shape.sharpness ? shape.size - shape.sharpness : 0;
    const int side = 2 * radius + 1;
    std::vector<uint32_t> kernel(static_cast<size_t>(side) * side, 0);
    for (int v = -radius; v <= radius; ++v) {
        for (int u = -radius; u <= radius; ++u) {
            const double distance = std::sqrt(static_cast<double>(u * u + v * v));
            uint32_t alpha = 0;
            if (distance < core) {
                alpha = static_cast<uint32_t>(shape.darkness);
            } else if (distance <= radius) {
                alpha = static_cast<uint32_t>((1.0 - (distance - core) / (shape.sharpness + 1)) *
                                              shape.darkness);
            }
            kernel[static_cast<size_t>(v + radius) * side + (u + radius)] =
                PremultipliedPixel(shape.color, alpha);
        }
    }
    return kernel;
}

// Shrinks every row by one pixel at each end and by its neighbours' extent,
// so that the blur, which grows the shape again, ends `size` beyond it.
void Erode(std::vector<RowSpan>& rows) {
    std::vector<RowSpan> eroded = rows;
    for (size_t i = 1; i + 1 < rows.size(); ++i) {
        eroded[i].start = std::max({rows[i - 1].start, rows[i].start, rows[i + 1].start}) + 1;
        eroded[i].end = std::min({rows[i - 1].end, rows[i].end, rows[i + 1].end}) - 1;
    }
    rows.swap(eroded);
}

class ShadowCanvas {
public:
    ShadowCanvas(int width, int height)
        : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0) {}

    void Stamp(const std::vector<uint32_t>& kernel, int radius, int cx, int cy) {
        for (int v = -radius; v <= radius; ++v) {
            const int y = cy + v;
            if (y < 0 || y >= height_) continue;
            for (int u = -radius; u <= radius; ++u) {
                const int x = cx + u;
                if (x < 0 || x >= width_) continue;
                uint32_t& pixel = At(x, y);
                pixel = std::max(
                    pixel,
                    kernel[static_cast<size_t>(v + radius) * (2 * radius + 1) + (u + radius)]);
            }
        }
    }

    void Fill(int y, int from, int to, uint32_t value) {
        for (int x = std::max(from, 0); x < std::min(to, width_); ++x) At(x, y) = value;
    }

    std::vector<uint32_t> Take() { return std::move(pixels_); }

private:
    uint32_t& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};

}  // namespace

std::vector<RowSpan> RowSpansOfRects(const std::vector<RECT>& rects, int width, int height) {
    std::vector<RowSpan> rows(static_cast<size_t>(std::max(height, 0)), RowSpan{width, 0});
    for (const RECT& rect : rects) {
        const int left = std::max<int>(rect.left, 0);
        const int right = std::min<int>(rect.right, width);
        if (left >= right) continue;
        for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, height); ++y) {
            rows[y].start = std::min(rows[y].start, left);
            rows[y].end = std::max(rows[y].end, right);
        }
    }
    return rows;
}

std::vector<uint32_t> ComputeShadowPixels(const std::vector<RowSpan>& ownerRows, int width,
                                          int height, const ShadowShape& shape) {
    const int size = shape.size;
    const int shadowWidth = width + 2 * size;
    const int shadowHeight = height + 2 * size;
    if (width <= 0 || height <= 0 || shadowWidth <= 0 || shadowHeight <= 0) return {};
    const RowSpan emptyRow{shadowWidth, 0};
    const auto ownerRow = [&](int row) {
        return row >= 0 && row < height && static_cast<size_t>(row) < ownerRows.size()
                   ? ownerRows[row]
                   : RowSpan{width, 0};
    };

    // anchors[i + 1] is the shape under shadow row i; an empty guard row
    // lies before the first and after the last.
    const int rowCount = std::max(height, shadowHeight);
    std::vector<RowSpan> anchors(static_cast<size_t>(rowCount) + 2, emptyRow);
    for (int i = 0; i < rowCount; ++i) {
        const RowSpan row = ownerRow(i - size);
        if (!IsEmpty(row)) anchors[i + 1] = RowSpan{row.start + size, row.end + size};
    }
    for (int pass = 0; pass < shape.sharpness - size; ++pass) Erode(anchors);

    const int radius = std::max(size, shape.sharpness);
    const std::vector<uint32_t> kernel = Kernel(radius, shape);
    ShadowCanvas canvas(shadowWidth, shadowHeight);

    // The blur only needs stamping where a row sticks out beyond its
    // neighbours; inside, the fill below covers it.
    for (int i = radius; i <= shadowHeight - radius - 1; ++i) {
        const RowSpan& row = anchors[i + 1];
        if (IsEmpty(row)) continue;
        const RowSpan& above = anchors[i];
        const RowSpan& below = anchors[i + 2];
        int j = row.start;
        const int leftEnd = std::min(std::max(above.start, below.start) + 1, row.end);
        for (; j < leftEnd; ++j) canvas.Stamp(kernel, radius, j, i);
        for (j = std::max(j, std::min(above.end, below.end) - 1); j < row.end; ++j) {
            canvas.Stamp(kernel, radius, j, i);
        }
    }

    // Solid inside, transparent where the owner covers the shadow.
    const uint32_t full = PremultipliedPixel(shape.color, static_cast<uint32_t>(shape.darkness));
    const int firstRow = std::min(radius, std::max(size - shape.yOffset, 0));
    const int endRow = std::min(
        shadowHeight, std::max(shadowHeight - radius,
                               std::min(height + size - shape.yOffset, height + 2 * size)));
    for (int i = firstRow; i < endRow; ++i) {
        const RowSpan& anchor = anchors[i + 1];
        const int row = i - size + shape.yOffset;
        if (row < 0 || row >= height) {
            canvas.Fill(i, anchor.start, anchor.end, full);
            continue;
        }
        const RowSpan owner = ownerRow(row);
        const int cutStart = owner.start + size - shape.xOffset;
        const int cutEnd = owner.end + size - shape.xOffset;
        canvas.Fill(i, anchor.start, std::min(cutStart, anchor.end), full);
        canvas.Fill(i, cutStart, cutEnd, 0);
        canvas.Fill(i, std::max(cutEnd, anchor.start), anchor.end, full);
    }
    return canvas.Take();
}
