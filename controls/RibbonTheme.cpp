#include "RibbonTheme.h"

#include <cmath>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace qnr {

namespace {

struct Palette {
    QColor barTop, barBottom;     // the bar body
    QColor stripTop, stripBottom; // the tab strip above the categories
    QColor frameBorder, frameFill, frameCaption, frameHighFill;
    QColor tabFill, tabBorder, tabHover;
    QColor hoverTop, hoverBottom, hoverBorder;
    QColor pressedTop, pressedBottom, pressedBorder;
    QColor glyph;
    QColor backgroundTop, backgroundBottom;
};

Palette paletteOf(int theme)
{
    switch (theme) {
    case 0: // BLACK
        return {QColor(83, 83, 83),    QColor(52, 52, 52),    QColor(38, 38, 38),    QColor(60, 60, 60),
                QColor(110, 110, 110), QColor(72, 72, 72),    QColor(58, 58, 58),    QColor(92, 92, 92),
                QColor(88, 88, 88),    QColor(128, 128, 128), QColor(76, 76, 76),    QColor(255, 243, 190),
                QColor(255, 214, 110), QColor(194, 162, 82),  QColor(255, 188, 110), QColor(250, 150, 60),
                QColor(160, 110, 50),  QColor(235, 235, 235), QColor(64, 64, 64),    QColor(28, 28, 28)};
    case 1: // BLUE
        return {QColor(222, 234, 249), QColor(193, 216, 244), QColor(191, 219, 255), QColor(214, 230, 250),
                QColor(141, 178, 227), QColor(214, 229, 248), QColor(194, 216, 241), QColor(232, 241, 252),
                QColor(236, 243, 252), QColor(141, 178, 227), QColor(240, 246, 253), QColor(255, 250, 215),
                QColor(255, 220, 120), QColor(219, 185, 98),  QColor(255, 200, 130), QColor(252, 160, 70),
                QColor(194, 138, 48),  QColor(21, 66, 139),   QColor(163, 194, 234), QColor(111, 150, 205)};
    default: // SILVER
        return {QColor(246, 247, 250), QColor(214, 218, 226), QColor(224, 227, 233), QColor(238, 240, 244),
                QColor(168, 173, 183), QColor(232, 234, 239), QColor(213, 217, 225), QColor(246, 247, 250),
                QColor(248, 249, 251), QColor(168, 173, 183), QColor(252, 252, 253), QColor(255, 250, 215),
                QColor(255, 220, 120), QColor(219, 185, 98),  QColor(255, 200, 130), QColor(252, 160, 70),
                QColor(194, 138, 48),  QColor(92, 98, 106),   QColor(226, 229, 235), QColor(190, 195, 205)};
    }
}

QColor blendColors(const QColor& a, const QColor& b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

enum class Slice { Left, Centre, Right, Whole };

// Draws a three-part element at full width, then keeps the slice asked for: the
// centre slice is uniform across, so the ribbon may stretch it freely.
template <typename Draw> QImage sliced(const QSize& pixels, Slice slice, Draw draw)
{
    if (slice == Slice::Whole) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, QRectF(QPointF(0, 0), QSizeF(pixels)));
        return image;
    }
    const int edge = std::max(1, pixels.width());
    QImage full(QSize(edge * 3, pixels.height()), QImage::Format_ARGB32_Premultiplied);
    full.fill(Qt::transparent);
    {
        QPainter p(&full);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, QRectF(0, 0, edge * 3, pixels.height()));
    }
    const int x = slice == Slice::Left ? 0 : (slice == Slice::Centre ? edge : edge * 2);
    return full.copy(x, 0, edge, pixels.height());
}

void roundedFrame(QPainter& p, const QRectF& r, const QBrush& fill, const QColor& border, qreal radius)
{
    const QRectF inner = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(border, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(inner, radius, radius);
}

QImage drawPicture(int theme, int id, const QSize& px, qreal scale)
{
    const Palette c = paletteOf(theme);
    const qreal radius = 3.0 * scale;
    using namespace RibbonPicture;

    auto verticalGradient = [](const QRectF& r, const QColor& top, const QColor& bottom) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        return g;
    };
    // The bar: 390 twips hidden on top, the tab strip, then the categories' area.
    auto bar = [&](QPainter& p, const QRectF& r) {
        const qreal hidden = r.height() * 390.0 / pictureSizeTwips(BarBody).height();
        const qreal strip = r.height() * 330.0 / pictureSizeTwips(BarBody).height();
        p.fillRect(QRectF(r.left(), r.top(), r.width(), hidden + strip),
                   verticalGradient(QRectF(0, hidden, 1, strip), c.stripTop, c.stripBottom));
        const QRectF body(r.left(), r.top() + hidden + strip, r.width(), r.height() - hidden - strip);
        p.fillRect(body, verticalGradient(body, c.barTop, c.barBottom));
        p.setPen(QPen(c.frameBorder, 1.0));
        p.drawLine(QPointF(r.left(), body.top() + 0.5), QPointF(r.right(), body.top() + 0.5));
        p.drawLine(QPointF(r.left(), r.bottom() - 0.5), QPointF(r.right(), r.bottom() - 0.5));
    };
    auto categoryFrame = [&](const QColor& fill) {
        return [&, fill](QPainter& p, const QRectF& r) {
            const QRectF frame = r.adjusted(1 * scale, 0, -1 * scale, 0);
            roundedFrame(p, frame, verticalGradient(frame, fill.lighter(104), fill), c.frameBorder, radius);
            const qreal captionTop = r.top() + r.height() * 0.80;
            QPainterPath clip;
            clip.addRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
            p.save();
            p.setClipPath(clip);
            p.fillRect(QRectF(frame.left(), captionTop, frame.width(), frame.bottom() - captionTop), c.frameCaption);
            p.restore();
        };
    };
    auto buttonFrame = [&](const QColor& top, const QColor& bottom, const QColor& border) {
        return [&, top, bottom, border](QPainter& p, const QRectF& r) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, top);
            g.setColorAt(0.42, top.darker(103));
            g.setColorAt(0.43, bottom);
            g.setColorAt(1, bottom.lighter(112));
            roundedFrame(p, r, g, border, radius);
        };
    };
    auto tab = [&](const QColor& fill, const QColor& border) {
        return [&, fill, border](QPainter& p, const QRectF& r) {
            QPainterPath path;
            const QRectF t = r.adjusted(0.5, 0.5, -0.5, radius + 1);
            path.addRoundedRect(t, radius, radius);
            p.setPen(QPen(border, 1.0));
            p.setBrush(verticalGradient(r, fill.lighter(103), fill));
            p.drawPath(path);
        };
    };
    auto dialog = [&](const QColor& fill, const QColor& border) {
        return [&, fill, border](QPainter& p, const QRectF& r) {
            if (fill.isValid())
                roundedFrame(p, r, fill, border, 2 * scale);
            p.setPen(QPen(c.glyph, 1.2 * scale));
            // The glyph keeps to the lower right: a wide category caption may reach the left part.
            const qreal s = r.width();
            p.drawLine(QPointF(r.left() + s * 0.30, r.top() + s * 0.30),
                       QPointF(r.left() + s * 0.70, r.top() + s * 0.30));
            p.drawLine(QPointF(r.left() + s * 0.30, r.top() + s * 0.30),
                       QPointF(r.left() + s * 0.30, r.top() + s * 0.70));
            p.drawLine(QPointF(r.left() + s * 0.42, r.top() + s * 0.42),
                       QPointF(r.left() + s * 0.72, r.top() + s * 0.72));
            QPolygonF head({QPointF(r.left() + s * 0.76, r.top() + s * 0.76),
                            QPointF(r.left() + s * 0.52, r.top() + s * 0.72),
                            QPointF(r.left() + s * 0.72, r.top() + s * 0.52)});
            p.setBrush(c.glyph);
            p.setPen(Qt::NoPen);
            p.drawPolygon(head);
        };
    };
    auto more = [&](const QColor& colour) {
        return [&, colour](QPainter& p, const QRectF& r) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPolygon(QPolygonF({QPointF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.25),
                                     QPointF(r.right() - r.width() * 0.1, r.top() + r.height() * 0.25),
                                     QPointF(r.center().x(), r.bottom() - r.height() * 0.15)}));
        };
    };
    auto background = [&](QPainter& p, const QRectF& r) {
        // The host tiles this picture: one colour and a faint diagonal weave whose
        // spacing divides the tile, so no seam shows.
        p.fillRect(r, blendColors(c.backgroundTop, c.backgroundBottom));
        QColor line = c.backgroundTop.lighter(theme == 0 ? 130 : 104);
        line.setAlpha(70);
        p.setPen(QPen(line, 1.0 * scale));
        const qreal step = r.width() / 32;
        for (qreal x = -r.height(); x <= r.width(); x += step)
            p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    };

    switch (id) {
    case BarBody:
        return sliced(px, Slice::Whole, bar);
    case BarLeft:
        return sliced(px, Slice::Left, bar);
    case BarRight:
        return sliced(px, Slice::Right, bar);
    case DialogNormal:
        return sliced(px, Slice::Whole, dialog(QColor(), QColor()));
    case DialogHighlighted:
        return sliced(px, Slice::Whole, dialog(c.frameHighFill, c.frameBorder));
    case DialogHover:
        return sliced(px, Slice::Whole, dialog(c.hoverBottom, c.hoverBorder));
    case CategoryLeft:
    case CategoryCentre:
    case CategoryRight:
        return sliced(px, Slice(id - CategoryLeft), categoryFrame(c.frameFill));
    case CategoryHighLeft:
    case CategoryHighCentre:
    case CategoryHighRight:
        return sliced(px, Slice(id - CategoryHighLeft), categoryFrame(c.frameHighFill));
    case TabLeft:
    case TabCentre:
    case TabRight:
        return sliced(px, Slice(id - TabLeft), tab(c.tabFill, c.tabBorder));
    case TabHoverLeft:
    case TabHoverCentre:
    case TabHoverRight:
        return sliced(px, Slice(id - TabHoverLeft), tab(c.tabHover, c.tabBorder.lighter(115)));
    case More:
        return sliced(px, Slice::Whole, more(c.glyph));
    case MoreHighlighted:
        return sliced(px, Slice::Whole, more(QColor(200, 120, 20)));
    case PressedLeft:
    case PressedCentre:
    case PressedRight:
        return sliced(px, Slice(id - PressedLeft), buttonFrame(c.pressedTop, c.pressedBottom, c.pressedBorder));
    case HoverLeft:
    case HoverCentre:
    case HoverRight:
        return sliced(px, Slice(id - HoverLeft), buttonFrame(c.hoverTop, c.hoverBottom, c.hoverBorder));
    case Background:
        return sliced(px, Slice::Whole, background);
    default:
        break;
    }
    QImage empty(px, QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);
    return empty;
}

} // namespace

int normalizedTheme(int theme)
{
    return (theme < 0 || theme > 2) ? 0 : theme;
}

QString themeName(int theme)
{
    switch (normalizedTheme(theme)) {
    case 1:
        return QStringLiteral("BLUE");
    case 2:
        return QStringLiteral("SILVER");
    default:
        return QStringLiteral("BLACK");
    }
}

int themeFromName(const QString& name)
{
    if (name == QLatin1String("BLACK"))
        return 0;
    if (name == QLatin1String("BLUE"))
        return 1;
    if (name == QLatin1String("SILVER"))
        return 2;
    return -1;
}

RibbonColors themeColors(int theme)
{
    switch (normalizedTheme(theme)) {
    case 1:
        return {QColor(142, 176, 218), QColor(21, 66, 139), QColor(62, 106, 184),
                QColor(21, 66, 139),   QColor(21, 66, 139), QColor(21, 66, 139)};
    case 2:
        return {QColor(208, 212, 221), QColor(92, 98, 106), QColor(92, 98, 106),
                QColor(92, 98, 106),   QColor(92, 98, 106), QColor(92, 98, 106)};
    default:
        return {QColor(70, 70, 70),    QColor(255, 255, 255), QColor(255, 255, 255),
                QColor(255, 255, 255), QColor(0, 0, 0),       QColor()};
    }
}

QSize pictureSizeTwips(int id)
{
    using namespace RibbonPicture;
    switch (id) {
    case BarBody:
        return {30720, 2100};
    case BarLeft:
    case BarRight:
        return {45, 2100};
    case DialogNormal:
    case DialogHighlighted:
    case DialogHover:
        return {180, 180};
    case CategoryLeft:
    case CategoryCentre:
    case CategoryRight:
    case CategoryHighLeft:
    case CategoryHighCentre:
    case CategoryHighRight:
        return {60, 1335};
    case TabLeft:
    case TabCentre:
    case TabRight:
    case TabHoverLeft:
    case TabHoverCentre:
    case TabHoverRight:
        return {60, 330};
    case More:
    case MoreHighlighted:
        return {120, 90};
    case PressedLeft:
    case PressedCentre:
    case PressedRight:
    case HoverLeft:
    case HoverCentre:
    case HoverRight:
        return {45, 990};
    case Background:
        return {3840, 3840};
    default:
        return {15, 15};
    }
}

QPixmap themePicture(const QString& theme, int id, const QSize& size, qreal devicePixelRatio)
{
    const int number = themeFromName(theme);
    if (number < 0 || id < 101 || id > 141 || size.isEmpty())
        return {};
    const QSize pixels(std::max(1, int(std::lround(size.width() * devicePixelRatio))),
                       std::max(1, int(std::lround(size.height() * devicePixelRatio))));
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1/%2/%3x%4").arg(number).arg(id).arg(pixels.width()).arg(pixels.height());
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QPixmap pixmap = QPixmap::fromImage(drawPicture(number, id, pixels, devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    if (cache.size() > 512)
        cache.clear();
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace qnr
