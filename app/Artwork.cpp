#include "Artwork.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// Resources of a static library are registered by hand.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace qnr {

QList<QIcon> ribbonImageList()
{
    initIconResources();
    QList<QIcon> icons;
    QStringList files = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        icons << QIcon(QStringLiteral(":/icons/") + file);
    return icons;
}

QPixmap companyLogo(const QSize& size, qreal devicePixelRatio)
{
    QPixmap pm(size * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(36, 84, 150));
    sky.setColorAt(1, QColor(14, 44, 92));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0, 0, w, h), h * 0.12, h * 0.12);
    // A swept wing crossing a "Q".
    p.setPen(QPen(QColor(255, 255, 255), h * 0.08, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(w * 0.5 - h * 0.28, h * 0.18, h * 0.56, h * 0.56);
    p.drawEllipse(ring);
    p.drawLine(QPointF(ring.center().x() + h * 0.12, ring.center().y() + h * 0.12),
               QPointF(ring.right() + h * 0.06, ring.bottom() + h * 0.06));
    QPainterPath plane;
    const QPointF c = ring.center();
    plane.moveTo(c.x() - h * 0.42, c.y() + h * 0.02);
    plane.lineTo(c.x() + h * 0.36, c.y() - h * 0.16);
    plane.lineTo(c.x() + h * 0.42, c.y() - h * 0.12);
    plane.lineTo(c.x() - h * 0.30, c.y() + h * 0.10);
    plane.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 195, 67));
    p.drawPath(plane);
    if (h < 60)
        return pm; // too small for the name
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(8, int(h * 0.095)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, h * 0.80, w, h * 0.18), Qt::AlignCenter, QStringLiteral("QUINOR AVIATION"));
    return pm;
}

} // namespace qnr
