#include "branding/ovBrandArt.h"

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

void DrawEmblem(QPainter& g, const QRectF& r)
{
    g.save();
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(r.topLeft(), r.bottomRight());
    bg.setColorAt(0, kMid);
    bg.setColorAt(1, kLight);
    g.setPen(Qt::NoPen);
    g.setBrush(bg);
    const double radius = r.width() * 0.22;
    g.drawRoundedRect(r, radius, radius);
    // A ring, the "O", with a spark where a phrase flashes.
    const QPointF c = r.center();
    const double ring = r.width() * 0.30;
    QPen pen(Qt::white, std::max(1.0, r.width() * 0.09));
    g.setPen(pen);
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(c, ring, ring);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 236, 140));
    g.drawPath(Spark(QPointF(c.x() + ring * 0.72, c.y() - ring * 0.72), r.width() * 0.2));
    g.restore();
}

} // namespace

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
