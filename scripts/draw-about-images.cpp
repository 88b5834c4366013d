// Draws the About dialog's logo and the program's icon at several sizes, as raw RGBA files that
// make-about-images turns into the embedded images and the installed PNG icons (run once; the
// results are committed), and the logo at twice its size as a PNG file.
//
// With --svg FILE it writes the icon as a scalable drawing instead, the same paths on the same
// 256-unit grid: the build makes the installed SVG icon so.

#include <QByteArray>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

#include <cstdio>

namespace {

const QColor kNight(0x10, 0x1d, 0x36);
const QColor kSea(0x17, 0x5a, 0x70);
const QColor kFoam(0xa8, 0xe6, 0xf0);

QLinearGradient amber(const QRectF& r, int hueShift)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor::fromHsv(40 - hueShift, 120, 255));
    g.setColorAt(0.55, QColor::fromHsv(34 - hueShift, 200, 245));
    g.setColorAt(1.0, QColor::fromHsv(26 - hueShift, 230, 205));
    return g;
}

void drawText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
    const QBrush& fill, int shadowAlpha)
{
    QPainterPath path;
    const QFontMetricsF fm(font);
    const qreal x = box.center().x() - fm.horizontalAdvance(text) / 2;
    const qreal y = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    path.addText(x, y, font, text);
    p.setPen(Qt::NoPen);
    // A soft drop shadow made of a few offset copies, darkest nearest the text.
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, shadowAlpha / i));
        p.drawPath(path.translated(i * 0.8, i * 1.1));
    }
    p.setBrush(fill);
    p.drawPath(path);
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
    const QPointF tip = to;
    const qreal dir = to.y() > from.y() ? 1 : -1;
    p.drawLine(from, to - QPointF(0, dir * 3));
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-6, -dir * 8));
    head.lineTo(tip + QPointF(6, -dir * 8));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

// The logo on a 300 x 250 grid, `scale` pixels a unit: 2 for screens at a device pixel ratio of 2.
QImage drawLogo(int scale)
{
    QImage img(300 * scale, 250 * scale, QImage::Format_RGBA8888);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.scale(scale, scale);

    QLinearGradient sky(0, 0, 300, 250);
    sky.setColorAt(0, kNight);
    sky.setColorAt(1, kSea);
    const QRectF area(0, 0, 300, 250);
    p.fillRect(area, sky);
    QRadialGradient glow(150, 70, 170);
    glow.setColorAt(0, QColor(255, 255, 255, 46));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(area, glow);

    // The whole file, with the cuts that a split makes.
    const qreal left = 40, width = 220, cut = 64;
    const QRectF whole(left, 26, width, 36);
    p.setPen(QPen(QColor(0x7a, 0x45, 0x08), 1.2));
    p.setBrush(amber(whole, 0));
    p.drawRoundedRect(whole, 6, 6);
    p.setPen(QPen(QColor(0x9a, 0x5a, 0x10, 110), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal x = left + 8; x < left + width - 6; x += 5) {
        const qreal h = 6 + 10 * ((int(x * 7) % 11) / 11.0);
        p.drawLine(QPointF(x, whole.center().y() - h / 2), QPointF(x, whole.center().y() + h / 2));
    }
    p.setPen(QPen(Qt::white, 1.6, Qt::DashLine, Qt::FlatCap));
    for (int i = 1; i <= 3; ++i)
        p.drawLine(QPointF(left + i * cut, 19), QPointF(left + i * cut, 69));

    QFont small("DejaVu Sans");
    small.setPixelSize(13);
    small.setItalic(true);
    drawText(p, QRectF(46, 70, 60, 30), QStringLiteral("split"), small, kFoam, 90);
    drawText(p, QRectF(194, 70, 60, 30), QStringLiteral("join"), small, kFoam, 90);
    drawArrow(p, QPointF(116, 72), QPointF(116, 98), kFoam);
    drawArrow(p, QPointF(184, 98), QPointF(184, 72), kFoam);

    // The package set: three full packages and the shorter last one.
    QFont label("DejaVu Sans");
    label.setPixelSize(12);
    label.setBold(true);
    const qreal gap = 8;
    qreal x = left - 1.5 * gap;
    for (int i = 0; i < 4; ++i) {
        const qreal w = i < 3 ? cut : width - 3 * cut;
        const QRectF piece(x, 106, w, 36);
        p.setPen(QPen(QColor(0x7a, 0x45, 0x08), 1.2));
        p.setBrush(amber(piece, i * 6));
        p.drawRoundedRect(piece, 5, 5);
        drawText(p, piece, QStringLiteral("c%1").arg(i), label, QColor(0x4a, 0x28, 0x04), 0);
        x += w + gap;
    }

    QLinearGradient rule(20, 0, 280, 0);
    rule.setColorAt(0, QColor(255, 255, 255, 0));
    rule.setColorAt(0.5, QColor(255, 255, 255, 90));
    rule.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(20, 158, 260, 1), rule);

    QFont title("DejaVu Sans");
    title.setPixelSize(50);
    title.setBold(true);
    QLinearGradient ink(0, 168, 0, 214);
    ink.setColorAt(0, Qt::white);
    ink.setColorAt(1, QColor(0xb4, 0xe4, 0xf2));
    drawText(p, QRectF(0, 164, 300, 52), QStringLiteral("Velkaro"), title, ink, 110);

    QFont maker("DejaVu Sans");
    maker.setPixelSize(12);
    maker.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    drawText(p, QRectF(0, 220, 300, 20), QStringLiteral("Ostrevan Software"), maker,
        QColor(0x8f, 0xb8, 0xcc), 0);
    return img;
}

// The icon: a page cut into three slices that drift apart, on a rounded tile. Drawn on a
// 256-unit grid, `px` units a pixel, with the thinnest strokes widened at small sizes to stay
// visible and the text lines left out below 32 pixels.
void paintIcon(QPainter& p, qreal px)
{
    const bool lines = px <= 256.0 / 32;

    QLinearGradient tile(0, 0, 256, 256);
    tile.setColorAt(0, QColor(0x1d, 0x33, 0x5c));
    tile.setColorAt(1, QColor(0x16, 0x78, 0x8c));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    const qreal top[3] = {36, 104, 168};
    const qreal bottom[3] = {92, 156, 220};
    const qreal shift[3] = {-14, 10, -4};
    for (int i = 0; i < 3; ++i) {
        const QRectF slice(66 + shift[i], top[i], 124, bottom[i] - top[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(amber(slice, i * 6));
        QPainterPath path;
        if (i == 0) {
            // The page's folded corner.
            path.moveTo(slice.topLeft());
            path.lineTo(slice.right() - 30, slice.top());
            path.lineTo(slice.right(), slice.top() + 30);
            path.lineTo(slice.bottomRight());
            path.lineTo(slice.bottomLeft());
            path.closeSubpath();
        } else {
            path.addRect(slice);
        }
        p.drawPath(path);
        if (i == 0) {
            QPainterPath fold;
            fold.moveTo(slice.right() - 30, slice.top());
            fold.lineTo(slice.right() - 30, slice.top() + 30);
            fold.lineTo(slice.right(), slice.top() + 30);
            fold.closeSubpath();
            p.setBrush(QColor(0xff, 0xf0, 0xc8));
            p.drawPath(fold);
        }
        if (lines) {
            p.setPen(
                QPen(QColor(0x8a, 0x4c, 0x06, 150), qMax(6.0, px), Qt::SolidLine, Qt::RoundCap));
            for (qreal y = slice.top() + 16; y < slice.bottom() - 8; y += 18)
                p.drawLine(QPointF(slice.left() + 16, y),
                    QPointF(slice.right() - (i == 0 && y < slice.top() + 34 ? 40 : 16), y));
        }
    }
}

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_RGBA8888);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    paintIcon(p, 256.0 / size);
    return img;
}

bool writeSvgIcon(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Velkaro"));
    svg.setDescription(QStringLiteral("A page cut into three slices that drift apart"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    paintIcon(p, 1.0);
    return p.end();
}

bool writeRaw(const QImage& img, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QImage rgba = img.convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < rgba.height(); ++y)
        file.write(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
    return file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--svg")
        return writeSvgIcon(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-about-images OUTDIR | --svg FILE\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    bool ok = writeRaw(drawLogo(1), out + "/logo.rgba");
    // Twice the size, full colour: no palette to keep, so a plain PNG file.
    ok = drawLogo(2).save(out + "/logo@2x.png", "PNG") && ok;
    for (const int size : {16, 32, 48, 128, 256})
        ok = writeRaw(drawIcon(size), out + QStringLiteral("/icon-%1.rgba").arg(size)) && ok;
    return ok ? 0 : 1;
}
