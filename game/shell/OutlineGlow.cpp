#include "shell/OutlineGlow.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double Far = 1e20;

std::size_t at(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
}

// How far a pixel's centre lies outside the outline; a pixel the shape partly covers lies on it.
double outside(double squared, uchar cover) {
    return squared > 0 ? std::sqrt(squared) - 0.5 : 0.5 - cover / 255.0;
}

} // namespace

QImage OutlineGlow::Paint(const QPainterPath& shape, const QColor& colour,
                          std::initializer_list<double> reaches) {
    const int margin = static_cast<int>(std::ceil(std::max(reaches))) + 2;
    const QRect box =
        shape.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    const QImage mask = coverage(shape, box);
    const std::vector<double> squared = squaredDistances(mask);
    QImage glow(box.size(), QImage::Format_ARGB32_Premultiplied);
    glow.setOffset(box.topLeft());
    const double layer = colour.alphaF();
    for (int y = 0; y < box.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(glow.scanLine(y));
        for (int x = 0; x < box.width(); ++x) {
            const double distance =
                outside(squared[at(x, y, box.width())], mask.constScanLine(y)[x]);
            double clear = 1.0;
            for (const double reach : reaches)
                clear *= 1.0 - layer * std::clamp(reach - distance + 0.5, 0.0, 1.0);
            const double opacity = 1.0 - clear;
            line[x] = qRgba(qRound(colour.red() * opacity), qRound(colour.green() * opacity),
                            qRound(colour.blue() * opacity), qRound(255 * opacity));
        }
    }
    return glow;
}

QImage OutlineGlow::coverage(const QPainterPath& shape, const QRect& box) {
    QImage mask(box.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-box.topLeft());
    painter.fillPath(shape, Qt::white);
    return mask;
}

std::vector<double> OutlineGlow::squaredDistances(const QImage& mask) {
    const int width = mask.width();
    const int height = mask.height();
    std::vector<double> squared(static_cast<std::size_t>(width) * height);
    std::vector<double> line(static_cast<std::size_t>(height));
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y)
            line[static_cast<std::size_t>(y)] = mask.constScanLine(y)[x] >= 128 ? 0.0 : Far;
        lowerEnvelope(line);
        for (int y = 0; y < height; ++y)
            squared[at(x, y, width)] = line[static_cast<std::size_t>(y)];
    }
    line.resize(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        std::copy_n(squared.begin() + static_cast<std::ptrdiff_t>(at(0, y, width)), width,
                    line.begin());
        lowerEnvelope(line);
        std::copy(line.begin(), line.end(),
                  squared.begin() + static_cast<std::ptrdiff_t>(at(0, y, width)));
    }
    return squared;
}

// The lower envelope of the parabolas (q - p)^2 + values[p] (Felzenszwalb and Huttenlocher):
// apex[k] is the k-th parabola of the envelope, lowest from from[k] to from[k + 1].
void OutlineGlow::lowerEnvelope(std::vector<double>& values) {
    const std::size_t n = values.size();
    const auto meet = [&values](std::size_t p, std::size_t q) {
        const double dp = static_cast<double>(p);
        const double dq = static_cast<double>(q);
        return ((values[q] + dq * dq) - (values[p] + dp * dp)) / (2.0 * (dq - dp));
    };
    std::vector<std::size_t> apex(n);
    std::vector<double> from(n + 1);
    std::size_t k = 0;
    from[0] = -Far;
    from[1] = Far;
    for (std::size_t q = 1; q < n; ++q) {
        double s = meet(apex[k], q);
        while (k > 0 && s <= from[k])
            s = meet(apex[--k], q);
        if (s > from[k])
            from[++k] = s;
        apex[k] = q;
        from[k + 1] = Far;
    }
    std::vector<double> lowest(n);
    k = 0;
    for (std::size_t q = 0; q < n; ++q) {
        while (from[k + 1] < static_cast<double>(q))
            ++k;
        const double step = static_cast<double>(q) - static_cast<double>(apex[k]);
        lowest[q] = step * step + values[apex[k]];
    }
    values = std::move(lowest);
}
