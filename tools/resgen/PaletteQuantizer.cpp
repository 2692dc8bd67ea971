#include "PaletteQuantizer.h"
#include <QHash>
#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace {

struct Entry {
    QRgb colour;
    qint64 count;
};
using Box = std::vector<Entry>;

int channel(QRgb c, int which) { return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c); }

// The channel with the largest spread, and that spread.
std::pair<int, int> widestChannel(const Box& box) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    for (const Entry& e : box) {
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min(lo[ch], channel(e.colour, ch));
            hi[ch] = std::max(hi[ch], channel(e.colour, ch));
        }
    }
    int best = 0;
    for (int ch = 1; ch < 3; ++ch) {
        if (hi[ch] - lo[ch] > hi[best] - lo[best]) best = ch;
    }
    return {best, hi[best] - lo[best]};
}

// Splits a box at the weighted median of its widest channel.
std::pair<Box, Box> split(Box box) {
    const int ch = widestChannel(box).first;
    std::sort(box.begin(), box.end(),
              [ch](const Entry& a, const Entry& b) { return channel(a.colour, ch) < channel(b.colour, ch); });
    qint64 total = 0;
    for (const Entry& e : box) total += e.count;
    qint64 running = 0;
    size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        running += box[cut - 1].count;
        if (running * 2 >= total) break;
    }
    return {Box(box.begin(), box.begin() + static_cast<long>(cut)),
            Box(box.begin() + static_cast<long>(cut), box.end())};
}

QRgb mean(const Box& box) {
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (const Entry& e : box) {
        r += qRed(e.colour) * e.count;
        g += qGreen(e.colour) * e.count;
        b += qBlue(e.colour) * e.count;
        n += e.count;
    }
    return qRgb(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n),
                static_cast<int>((b + n / 2) / n));
}

} // namespace

QList<QRgb> PaletteQuantizer::palette(const QList<QRgb>& colours, int maxColours) {
    QHash<QRgb, qint64> counts;
    for (QRgb c : colours) ++counts[c | 0xFF000000u];
    Box all;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) all.push_back({it.key(), it.value()});
    std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.colour < b.colour; });
    if (static_cast<int>(all.size()) <= maxColours) {
        QList<QRgb> exact;
        for (const Entry& e : all) exact.append(e.colour);
        return exact;
    }
    std::vector<Box> boxes{all};
    while (static_cast<int>(boxes.size()) < maxColours) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            const int sa = a.size() > 1 ? widestChannel(a).second : -1;
            const int sb = b.size() > 1 ? widestChannel(b).second : -1;
            return sa < sb;
        });
        if (widest->size() < 2) break;
        auto [left, right] = split(std::move(*widest));
        *widest = std::move(left);
        boxes.push_back(std::move(right));
    }
    QList<QRgb> result;
    for (const Box& box : boxes) result.append(mean(box));
    return result;
}

int PaletteQuantizer::nearest(const QList<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        // Weighted towards green, as the eye is.
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}
