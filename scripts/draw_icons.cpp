// Paints the window's icons into PNG files, each at its own size and at twice that size, and the
// window icon at the sizes up to 256 that a desktop shows it at. Run
// through scripts/draw-icons; the PNGs it writes are committed under ui/images/, and the build
// turns them into the embedded image table.
//
// Everything is drawn as paths (no text), so the result does not depend on the fonts installed.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor outline(0x2e, 0x34, 0x36);
const QColor paper(0xfb, 0xfb, 0xf8);
const QColor paperShade(0xdc, 0xe0, 0xe4);
const QColor textLine(0x9a, 0xa4, 0xae);
const QColor blue(0x34, 0x65, 0xa4);
const QColor lightBlue(0x72, 0x9f, 0xcf);
const QColor green(0x4e, 0x9a, 0x06);
const QColor lightGreen(0x8a, 0xe2, 0x34);
const QColor red(0xcc, 0x00, 0x00);

QPen pen(const QColor& c, qreal w = 1.0)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// The closed outline through `corners`, in order.
QPainterPath polygon(const QPolygonF& corners)
{
    QPainterPath p;
    p.addPolygon(corners);
    p.closeSubpath();
    return p;
}

// A sheet with a folded top-right corner; coordinates are pixel edges, strokes sit on half pixels.
QPainterPath page(const QRectF& r, qreal fold)
{
    return polygon({r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold},
        r.bottomRight(), r.bottomLeft()});
}

// One horizontal band of a sheet, cut edges outlined as well, shifted by `shift`.
void drawPiece(QPainter& p, const QRectF& sheet, qreal fold, qreal top, qreal bottom,
    const QPointF& shift, const QColor& fill, const QColor& edge)
{
    QPainterPath band;
    band.addRect(QRectF(sheet.left() - 1, top, sheet.width() + 2, bottom - top));
    const QPainterPath piece = page(sheet, fold).intersected(band).translated(shift);
    p.setPen(pen(edge));
    p.setBrush(vertical(top + shift.y(), bottom + shift.y(), fill.lighter(125), fill));
    p.drawPath(piece);
}

void arrow(QPainter& p, const QPointF& from, const QPointF& to, qreal head, const QColor& fill,
    qreal width)
{
    const QLineF line(from, to);
    const qreal len = line.length();
    const QPainterPath a = polygon({{0, -width / 2}, {len - head, -width / 2}, {len - head, -head},
        {len, 0}, {len - head, head}, {len - head, width / 2}, {0, width / 2}});
    QTransform t;
    t.translate(from.x(), from.y());
    t.rotate(-line.angle());
    p.setPen(pen(fill.darker(150)));
    p.setBrush(vertical(from.y() - head, from.y() + head, fill.lighter(140), fill));
    p.drawPath(t.map(a));
}

void drawOpen(QPainter& p, int s)
{
    const QColor dark(0xc4, 0xa0, 0x00), light(0xfc, 0xe9, 0x4f), edge(0x8f, 0x59, 0x02);
    p.setPen(pen(edge));
    p.setBrush(vertical(3, s - 3, dark.lighter(110), dark));
    p.drawPath(polygon(
        {{1.5, 3.5}, {6.5, 3.5}, {8, 5.5}, {s - 2.5, 5.5}, {s - 2.5, s - 3.5}, {1.5, s - 3.5}}));
    p.setPen(pen(textLine));
    p.setBrush(paper);
    p.drawRect(QRectF(3.5, 6.5, s - 8, 4));
    p.setPen(pen(edge));
    p.setBrush(vertical(8.5, s - 3.5, light, dark));
    p.drawPath(polygon({{3.5, 8.5}, {s - 0.5, 8.5}, {s - 2.5, s - 3.5}, {1.5, s - 3.5}}));
}

void drawSave(QPainter& p, int s)
{
    const QRectF body(1.5, 1.5, s - 3, s - 3);
    p.setPen(pen(QColor(0x20, 0x4a, 0x87)));
    p.setBrush(vertical(body.top(), body.bottom(), lightBlue, blue));
    p.drawPath(page(body, 2));
    // The label, where one writes the disk's name.
    p.setPen(pen(textLine));
    p.setBrush(paper);
    p.drawRect(QRectF(4.5, 1.5, s - 9, 6));
    p.setPen(pen(paperShade));
    p.drawLine(QPointF(6, 3.5), QPointF(s - 6, 3.5));
    p.drawLine(QPointF(6, 5.5), QPointF(s - 7, 5.5));
    // The metal shutter with its window.
    const QRectF shutter(5.5, s - 7.5, s - 11, 6);
    p.setPen(pen(QColor(0x55, 0x57, 0x53)));
    p.setBrush(vertical(
        shutter.top(), shutter.bottom(), QColor(0xee, 0xee, 0xec), QColor(0xba, 0xbd, 0xb6)));
    p.drawRect(shutter);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x34, 0x36));
    p.drawRect(QRectF(shutter.left() + 2.5, shutter.top() + 1.5, 2, 3));
}

void drawClear(QPainter& p, int s)
{
    // Wiped trail under the eraser.
    p.setPen(pen(QColor(0x88, 0x8a, 0x85), 1.0));
    p.drawLine(QPointF(2, s - 1.5), QPointF(s - 4, s - 1.5));
    p.save();
    p.translate(s / 2.0, s / 2.0 - 1);
    p.rotate(-40);
    const qreal w = s * 0.78, h = s * 0.42;
    const QRectF block(-w / 2, -h / 2, w, h);
    QPainterPath whole;
    whole.addRoundedRect(block, 1.5, 1.5);
    QPainterPath tip;
    tip.addRect(QRectF(block.left(), block.top(), w * 0.42, h));
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(block.top(), block.bottom(), QColor(0x8f, 0xb6, 0xe6), blue));
    p.drawPath(whole.subtracted(tip));
    p.setBrush(
        vertical(block.top(), block.bottom(), QColor(0xff, 0xc4, 0xcf), QColor(0xe0, 0x6c, 0x82)));
    p.drawPath(whole.intersected(tip));
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(outline));
    p.drawPath(whole);
    p.drawLine(QPointF(block.left() + w * 0.42, block.top()),
        QPointF(block.left() + w * 0.42, block.bottom()));
    p.restore();
}

void drawSplit(QPainter& p, int s)
{
    const bool big = s > 16;
    const qreal fold = big ? 5 : 4;
    const QRectF sheet(1.5, 1.5, big ? 13 : 10, s - 3);
    const qreal gap = big ? 2 : 1;
    // Band edges on whole pixels, so that every cut is a crisp gap.
    const qreal third = std::round((sheet.height() - 2 * gap) / 3);
    const qreal tops[3] = {sheet.top(), sheet.top() + third + gap, sheet.top() + 2 * (third + gap)};
    const qreal bottoms[3] = {tops[0] + third - 1, tops[1] + third - 1, sheet.bottom()};
    const qreal shifts[3] = {0.0, big ? 5.0 : 3.0, big ? 2.0 : 1.0};
    const QColor fills[3] = {lightBlue, QColor(0xfc, 0xaf, 0x3e), lightGreen};
    for (int i = 0; i < 3; ++i)
        drawPiece(p, sheet, fold, tops[i], bottoms[i], QPointF(shifts[i], 0), fills[i], outline);
}

// A solid arrow along one axis, pixel-aligned so that it stays sharp at icon sizes.
void stubArrow(
    QPainter& p, qreal cx, qreal from, qreal to, qreal stem, qreal head, const QColor& fill)
{
    const qreal dir = to > from ? 1 : -1;
    const qreal neck = to - dir * head;
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(polygon({{cx - stem / 2, from}, {cx - stem / 2, neck}, {cx - head, neck}, {cx, to},
        {cx + head, neck}, {cx + stem / 2, neck}, {cx + stem / 2, from}}));
}

void drawRebuild(QPainter& p, int s)
{
    const bool big = s > 16;
    const qreal fold = big ? 5 : 4;
    const QRectF sheet(1.5, 1.5, big ? 12 : 9, s - 3);
    const qreal third = std::round(sheet.height() / 3);
    const qreal edges[4]
        = {sheet.top(), sheet.top() + third, sheet.top() + 2 * third, sheet.bottom()};
    const QColor fills[3] = {lightBlue, QColor(0xfc, 0xaf, 0x3e), lightGreen};
    for (int i = 0; i < 3; ++i)
        drawPiece(p, sheet, fold, edges[i], edges[i + 1], QPointF(0, 0), fills[i], outline);
    // Two arrows press the pieces together.
    const qreal cx = big ? 18 : 13.5;
    const qreal head = big ? 3.0 : 2.5;
    const qreal stem = big ? 2.0 : 1.0;
    const qreal mid = s / 2.0;
    stubArrow(p, cx, 0.5, mid - 1, stem, head, green);
    stubArrow(p, cx, s - 0.5, mid + 1, stem, head, green);
}

void drawExit(QPainter& p, int s)
{
    const bool big = s > 16;
    const QColor wood(0xc1, 0x7d, 0x11), edge(0x8f, 0x59, 0x02);
    // Frame, dark opening, and the door swung inwards.
    const QRectF frame(1.5, 1.5, big ? 11 : 8, s - 3);
    p.setPen(pen(QColor(0x55, 0x57, 0x53)));
    p.setBrush(QColor(0x2e, 0x34, 0x36));
    p.drawRect(frame);
    const qreal swing = frame.left() + frame.width() * 0.62;
    p.setPen(pen(edge));
    p.setBrush(vertical(frame.top(), frame.bottom(), wood.lighter(130), wood));
    p.drawPath(polygon({frame.topLeft(), {swing, frame.top() + (big ? 2 : 1.5)},
        {swing, frame.bottom() - (big ? 2 : 1.5)}, frame.bottomLeft()}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfc, 0xe9, 0x4f));
    p.drawEllipse(QPointF(swing - (big ? 2 : 1.5), s / 2.0), big ? 1.0 : 0.8, big ? 1.0 : 0.8);
    arrow(p, QPointF(frame.right() - (big ? 4 : 3), s / 2.0), QPointF(s - 0.8, s / 2.0),
        big ? 4.5 : 3.5, QColor(0xef, 0x29, 0x29), big ? 3.0 : 2.5);
}

void drawInfo(QPainter& p, int s)
{
    const QPointF c(s / 2.0, s / 2.0);
    const qreal r = s / 2.0 - 0.6;
    QRadialGradient g(c.x() - r * 0.3, c.y() - r * 0.4, r * 1.6);
    g.setColorAt(0, QColor(0x9c, 0xc4, 0xf0));
    g.setColorAt(1, QColor(0x20, 0x4a, 0x87));
    p.setPen(pen(QColor(0x1a, 0x3a, 0x6c)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x(), s * 0.28), s * 0.1, s * 0.1);
    p.drawRoundedRect(QRectF(c.x() - s * 0.09, s * 0.42, s * 0.18, s * 0.38), 0.8, 0.8);
    p.drawRect(QRectF(c.x() - s * 0.17, s * 0.42, s * 0.12, s * 0.08));
    p.drawRect(QRectF(c.x() - s * 0.17, s * 0.74, s * 0.34, s * 0.08));
}

void drawContents(QPainter& p, int s)
{
    const QPointF spine(s / 2.0, 4.0);
    // Cover under the open pages.
    p.setPen(pen(QColor(0x20, 0x4a, 0x87)));
    p.setBrush(vertical(4, s, lightBlue, blue));
    p.drawPath(polygon({{0.5, 4.5}, {spine.x(), 5.5}, {s - 0.5, 4.5}, {s - 0.5, s - 2.5},
        {spine.x(), s - 1.0}, {0.5, s - 2.5}}));
    for (const int side : {-1, 1}) {
        QPainterPath leaf;
        const qreal outer = spine.x() + side * (s / 2.0 - 1.5);
        leaf.moveTo(spine.x(), 4.0);
        leaf.quadTo(QPointF((spine.x() + outer) / 2, 1.5), QPointF(outer, 2.5));
        leaf.lineTo(outer, s - 3.5);
        leaf.quadTo(QPointF((spine.x() + outer) / 2, s - 4.5), QPointF(spine.x(), s - 2.0));
        leaf.closeSubpath();
        p.setPen(pen(QColor(0x88, 0x8a, 0x85)));
        p.setBrush(vertical(2, s - 2, paper, paperShade));
        p.drawPath(leaf);
        p.setPen(pen(textLine));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 5.5 + i * 2;
            p.drawLine(QPointF(spine.x() + side * 1.5, y),
                QPointF(outer - side * (i == 3 ? 2.5 : 1.0), y - 0.8));
        }
    }
}

void drawProgram(QPainter& p, int s)
{
    QLinearGradient bg(0, 0, s, s);
    bg.setColorAt(0, QColor(0x3d, 0x7c, 0xc9));
    bg.setColorAt(1, QColor(0x14, 0x2f, 0x5c));
    p.fillRect(QRect(0, 0, s, s), bg);
    p.setPen(pen(QColor(255, 255, 255, 60)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, s - 1, s - 1));
    // A file leaving in three packages, each one a step further.
    const QRectF sheet(6.5, 4.5, 16, 23);
    const qreal fold = 6;
    const QColor fills[3]
        = {QColor(0xee, 0xee, 0xec), QColor(0xfc, 0xaf, 0x3e), QColor(0xf5, 0x79, 0x00)};
    const qreal bands[4] = {4.5, 11.5, 19.5, 27.5};
    for (int i = 0; i < 3; ++i)
        drawPiece(p, sheet, fold, bands[i] + (i ? 1 : 0), bands[i + 1] - (i < 2 ? 1 : 0),
            QPointF(i * 2.0 - 2.0, 0), fills[i], QColor(0x1a, 0x1a, 0x1a));
}

struct Icon
{
    const char* name;
    int size;
    bool alpha;
    std::function<void(QPainter&, int)> draw;
};

bool save(const Icon& icon, qreal scale, const QString& path)
{
    const int pixels = qRound(icon.size * scale);
    QImage image(
        pixels, pixels, icon.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(icon.alpha ? Qt::transparent : Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        icon.draw(painter, icon.size);
    }
    const QImage saved = icon.alpha ? image.convertToFormat(QImage::Format_ARGB32) : image;
    if (!saved.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::vector<Icon> icons = {
        {"Velkaro.png", 32, false, drawProgram},
        {"clear-16x16.png", 16, true, drawClear},
        {"open-18x18.png", 18, true, drawOpen},
        {"save-18x18.png", 18, true, drawSave},
        {"split-22x22.png", 22, true, drawSplit},
        {"rebuild-22x22.png", 22, true, drawRebuild},
        {"exit-22x22.png", 22, true, drawExit},
        {"exit-16x16.png", 16, true, drawExit},
        {"info-16x16.png", 16, true, drawInfo},
        {"rebuild-16x16.png", 16, true, drawRebuild},
        {"split-16x16.png", 16, true, drawSplit},
        {"contents-16x16.png", 16, true, drawContents},
    };
    for (const Icon& icon : icons) {
        // Each icon also at twice its size, the same drawing on a finer grid, for screens at a
        // device pixel ratio of 2; it goes under the usual "@2x" name.
        for (const int scale : {1, 2}) {
            QString name = QString::fromLatin1(icon.name);
            if (scale == 2)
                name.insert(name.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
            if (!save(icon, scale, out.filePath(name)))
                return 1;
        }
    }
    // The window icon also at the sizes that task bars, docks and switchers ask for, so that none
    // has to enlarge it.
    for (const int size : {16, 48, 128, 256}) {
        if (!save(icons.front(), size / 32.0,
                out.filePath(QStringLiteral("Velkaro-%1.png").arg(size))))
            return 1;
    }
    return 0;
}
