#include "branding/brandart.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace ov {
namespace {

const QColor kDeep(38, 28, 92);
const QColor kMid(74, 58, 170);
const QColor kLight(64, 170, 210);

// A four-pointed spark centred on c with radius r.
QPainterPath Spark(QPointF c, double r)
{
    const double w = r * 0.22;
    QPainterPath p;
    p.moveTo(c.x(), c.y() - r);
    p.quadTo(c.x() + w, c.y() - w, c.x() + r, c.y());
    p.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + r);
    p.quadTo(c.x() - w, c.y() + w, c.x() - r, c.y());
    p.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - r);
    p.closeSubpath();
    return p;
}

const QColor kSpark(255, 236, 140);

// The emblem's shapes in a tile, shared by the painted and the SVG icon.
struct Emblem {
    QRectF tile;
    double corner;
    QPointF centre;
    double ring, ringPen;
    QPainterPath spark;
};

Emblem EmblemIn(const QRectF& r)
{
    // A ring, the "O", with a spark where a phrase flashes.
    const QPointF c = r.center();
    const double ring = r.width() * 0.30;
    return {r, r.width() * 0.22, c, ring, std::max(1.0, r.width() * 0.09),
            Spark(QPointF(c.x() + ring * 0.72, c.y() - ring * 0.72), r.width() * 0.2)};
}

void DrawEmblem(QPainter& g, const QRectF& r)
{
    const Emblem e = EmblemIn(r);
    g.save();
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(r.topLeft(), r.bottomRight());
    bg.setColorAt(0, kMid);
    bg.setColorAt(1, kLight);
    g.setPen(Qt::NoPen);
    g.setBrush(bg);
    g.drawRoundedRect(r, e.corner, e.corner);
    g.setPen(QPen(Qt::white, e.ringPen));
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(e.centre, e.ring, e.ring);
    g.setPen(Qt::NoPen);
    g.setBrush(kSpark);
    g.drawPath(e.spark);
    g.restore();
}

QString Num(double v) { return QString::number(v, 'g', 6); }

QString SvgPath(const QPainterPath& p)
{
    QString d;
    for (int i = 0; i < p.elementCount(); ++i) {
        const QPainterPath::Element e = p.elementAt(i);
        if (e.isMoveTo()) d += QStringLiteral("M%1 %2").arg(Num(e.x), Num(e.y));
        else if (e.isLineTo()) d += QStringLiteral("L%1 %2").arg(Num(e.x), Num(e.y));
        else if (e.isCurveTo()) d += QStringLiteral("C%1 %2").arg(Num(e.x), Num(e.y));
        else d += QStringLiteral(" %1 %2").arg(Num(e.x), Num(e.y)); // the curve's further points
    }
    return d + QStringLiteral("Z");
}

} // namespace

QString BuiltinIconSvg()
{
    const int size = 256;
    const double m = size / 16.0;
    const Emblem e = EmblemIn(QRectF(m, m, size - 2 * m, size - 2 * m));
    const QRectF& t = e.tile;
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
               "  <defs><linearGradient id=\"tile\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">"
               "<stop offset=\"0\" stop-color=\"%6\"/><stop offset=\"1\" stop-color=\"%7\"/></linearGradient></defs>\n"
               "  <rect x=\"%2\" y=\"%3\" width=\"%8\" height=\"%9\" rx=\"%10\" ry=\"%10\" fill=\"url(#tile)\"/>\n")
               .arg(size)
               .arg(Num(t.left()), Num(t.top()), Num(t.right()), Num(t.bottom()), kMid.name(), kLight.name(),
                    Num(t.width()), Num(t.height()))
               .arg(Num(e.corner))
        + QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"%4\"/>\n"
                         "  <path d=\"%5\" fill=\"%6\"/>\n</svg>\n")
              .arg(Num(e.centre.x()), Num(e.centre.y()), Num(e.ring), Num(e.ringPen), SvgPath(e.spark), kSpark.name());
}

QImage BuiltinIconImage(int size)
{
    size = std::clamp(size, 8, 512);
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter g(&img);
    const double m = size / 16.0;
    DrawEmblem(g, QRectF(m, m, size - 2 * m, size - 2 * m));
    return img;
}

QImage BuiltinHeaderImage(const QString& productName, int width, int height)
{
    width = std::clamp(width, 16, 4096);
    height = std::clamp(height, 16, 1024);
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, width, height);
    bg.setColorAt(0, kDeep);
    bg.setColorAt(0.6, kMid);
    bg.setColorAt(1, kLight);
    g.fillRect(img.rect(), bg);
    // Soft circles: light on the right, where the name does not reach.
    for (int i = 0; i < 5; ++i) {
        const QPointF c(width * (0.62 + 0.08 * i), height * (i % 2 ? 0.25 : 0.8));
        QRadialGradient glow(c, height * (0.5 + 0.1 * i));
        glow.setColorAt(0, QColor(255, 255, 255, 46));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        g.fillRect(img.rect(), glow);
    }
    const int tile = height - 20;
    DrawEmblem(g, QRectF(14, 10, tile, tile));
    if (!productName.isEmpty()) {
        QFont f(QStringLiteral("Sans Serif"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(std::max(10, height * 2 / 5));
        f.setBold(true);
        g.setFont(f);
        g.setPen(Qt::white);
        g.drawText(QRect(tile + 30, 0, width - tile - 40, height), Qt::AlignLeft | Qt::AlignVCenter,
                   productName);
    }
    return img;
}

QImage BuiltinSideImage()
{
    QImage img(kSideImageWidth, kSideImageHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, kSideImageHeight);
    bg.setColorAt(0, kMid);
    bg.setColorAt(0.55, kDeep);
    bg.setColorAt(1, kLight);
    g.fillRect(img.rect(), bg);
    g.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        g.setBrush(QColor(255, 255, 255, 20 + 6 * i));
        const double r = 5 + 3 * (i % 3);
        g.drawEllipse(QPointF(14 + 36 * ((i * 37) % 5) / 4.0, 90 + 26 * i), r, r);
    }
    DrawEmblem(g, QRectF(8, 10, 48, 48));
    g.setBrush(QColor(255, 236, 140, 200));
    g.drawPath(Spark(QPointF(44, 220), 9));
    return img;
}

} // namespace ov
