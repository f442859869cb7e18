#include "tools/skingen/palette.h"

#include <array>
#include <limits>
#include <vector>

namespace quill::skingen {
namespace {

using Colour = std::array<double, 3>;

double distance(const Colour& a, const Colour& b)
{
    const double dr = a[0] - b[0];
    const double dg = a[1] - b[1];
    const double db = a[2] - b[2];
    return dr * dr + dg * dg + db * db;
}

size_t nearest(const Colour& colour, const std::vector<Colour>& centres)
{
    size_t best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (size_t i = 0; i < centres.size(); ++i) {
        const double d = distance(colour, centres[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// k-means, started from colours that lie far apart, so that small details
// in a strong colour keep a palette entry of their own.
std::vector<Colour> clusterCentres(const std::vector<Colour>& colours, size_t count)
{
    std::vector<Colour> centres;
    if (colours.empty())
        return centres;
    centres.push_back(colours.front());
    std::vector<double> gap(colours.size(), std::numeric_limits<double>::max());
    while (centres.size() < count) {
        size_t farthest = 0;
        for (size_t i = 0; i < colours.size(); ++i) {
            gap[i] = std::min(gap[i], distance(colours[i], centres.back()));
            if (gap[i] > gap[farthest])
                farthest = i;
        }
        if (gap[farthest] == 0)
            break;
        centres.push_back(colours[farthest]);
    }
    for (int round = 0; round < 12; ++round) {
        std::vector<Colour> sums(centres.size(), Colour{0, 0, 0});
        std::vector<int> members(centres.size(), 0);
        for (const Colour& colour : colours) {
            const size_t k = nearest(colour, centres);
            for (int c = 0; c < 3; ++c)
                sums[k][c] += colour[c];
            ++members[k];
        }
        for (size_t k = 0; k < centres.size(); ++k) {
            if (members[k] > 0) {
                for (int c = 0; c < 3; ++c)
                    centres[k][c] = sums[k][c] / members[k];
            }
        }
    }
    return centres;
}

}  // namespace

QImage reduceColours(const QImage& picture, int colours)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<Colour> opaque;
    bool anyTransparent = false;
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                anyTransparent = true;
            else
                opaque.push_back({double(qRed(line[x])), double(qGreen(line[x])), double(qBlue(line[x]))});
        }
    }
    const std::vector<Colour> centres = clusterCentres(opaque, size_t(colours));
    QList<QRgb> table;
    const int first = anyTransparent ? 1 : 0;
    if (anyTransparent)
        table.append(qRgba(0, 0, 0, 0));
    for (const Colour& centre : centres)
        table.append(qRgb(qRound(centre[0]), qRound(centre[1]), qRound(centre[2])));

    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(line[x]) < 128) {
                out[x] = 0;
                continue;
            }
            const Colour colour{double(qRed(line[x])), double(qGreen(line[x])), double(qBlue(line[x]))};
            out[x] = uchar(first + nearest(colour, centres));
        }
    }
    return indexed;
}

}  // namespace quill::skingen
