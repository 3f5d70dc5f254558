#include "CandyButton.h"

#include <algorithm>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace qnr {

namespace {

struct Scheme {
    QColor up, hover, down, bright;
};

const Scheme kSchemes[] = {
    {{32, 103, 208}, {80, 153, 233}, {16, 103, 160}, {176, 237, 255}},
    {{96, 144, 208}, {0, 96, 224}, {80, 128, 169}, {250, 250, 255}},
    {{0, 0, 128}, {0, 0, 160}, {0, 0, 240}, {0, 0, 255}},
    {{128, 0, 0}, {160, 0, 0}, {240, 0, 0}, {255, 0, 0}},
    {{0, 128, 0}, {0, 160, 0}, {0, 192, 0}, {0, 255, 0}},
    {{128, 128, 0}, {160, 160, 0}, {192, 192, 0}, {255, 255, 0}},
};

QColor blend(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QColor withBrightness(const QColor& c, int brightness)
{
    // -100 darkens to black, 100 lightens to white.
    if (brightness >= 0)
        return blend(c, Qt::white, brightness / 100.0);
    return blend(c, Qt::black, -brightness / 100.0);
}

} // namespace

CandyButton::CandyButton(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover, false);
    setMouseTracking(true);
    resize(sizeHint());
}

int CandyButton::cornerSize(int style, int width, int height)
{
    int c = 0;
    int divisor = 0;
    switch (style) {
    case 0:
    case 1:
        return 0;
    case 3:
        c = 12;
        break;
    case 6:
        c = height / 3;
        divisor = 3;
        break;
    case 7:
        c = height / 4 + 1;
        divisor = 4;
        break;
    default: // 2, 4, 5
        c = height / 2 + 1;
        divisor = 2;
        break;
    }
    const int limit = divisor > 0 ? std::max(1, width / divisor) : c;
    return std::clamp(c, 1, std::max(1, limit));
}

CandyButton::VisualState CandyButton::visualState() const
{
    if (m_checked)
        return VisualState::Checked;
    if (m_pressed || m_keyPressed)
        return VisualState::Pressed;
    if (m_hover)
        return VisualState::Hover;
    if (hasFocus())
        return VisualState::Focused;
    return VisualState::Normal;
}

QSize CandyButton::sizeHint() const
{
    const QFontMetrics fm(font());
    int w = fm.horizontalAdvance(Caption()) + 24;
    int h = fm.height() + 12;
    if (!m_picture.isNull()) {
        if (m_pictureAlignment <= IconRight)
            w += 22;
        else
            h += 20;
    }
    return {std::max(w, 75), std::max(h, 25)};
}

void CandyButton::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void CandyButton::setForeColor(const QColor& c)
{
    m_foreColor = c;
    update();
}

void CandyButton::setPicture(const QIcon& icon)
{
    m_picture = icon;
    update();
}

void CandyButton::setPictureAlignment(int alignment)
{
    m_pictureAlignment = std::clamp(alignment, 0, 3);
    update();
}

void CandyButton::setStyle(int style)
{
    m_style = std::clamp(style, 0, 7);
    updateShape();
    update();
}

void CandyButton::setChecked(bool checked)
{
    m_checked = checked;
    update();
}

void CandyButton::setColorButtonUp(const QColor& c)
{
    m_up = c;
    m_colorScheme = 0;
    update();
}

void CandyButton::setColorButtonDown(const QColor& c)
{
    m_down = c;
    m_colorScheme = 0;
    update();
}

void CandyButton::setColorButtonHover(const QColor& c)
{
    m_hoverColor = c;
    m_colorScheme = 0;
    update();
}

void CandyButton::setColorBright(const QColor& c)
{
    m_bright = c;
    m_colorScheme = 0;
    update();
}

void CandyButton::setBorderBrightness(int value)
{
    m_borderBrightness = std::clamp(value, -100, 100);
    update();
}

void CandyButton::setDisplayHand(bool on)
{
    m_displayHand = on;
    handCursor();
}

void CandyButton::setColorScheme(int scheme)
{
    if (scheme >= 1 && scheme <= 6) {
        const Scheme& s = kSchemes[scheme - 1];
        m_up = s.up;
        m_hoverColor = s.hover;
        m_down = s.down;
        m_bright = s.bright;
        m_colorScheme = scheme;
    } else {
        m_colorScheme = 0;
    }
    update();
}

void CandyButton::handCursor()
{
    if (m_displayHand)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void CandyButton::updateShape()
{
    const int c = cornerSize(m_style, width(), height());
    if (c == 0) {
        clearMask();
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), c, c);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void CandyButton::resizeEvent(QResizeEvent*)
{
    updateShape();
}

void CandyButton::mousePressEvent(QMouseEvent* event)
{
    if (!isEnabled())
        return;
    setFocus(Qt::MouseFocusReason);
    m_pressed = true;
    update();
    const QPoint p = event->position().toPoint();
    Q_EMIT MouseDown(event->buttons() | event->button(), event->modifiers(), p.x(), p.y());
}

void CandyButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!isEnabled())
        return;
    const QPoint p = event->position().toPoint();
    const bool inside = rect().contains(p);
    if ((event->buttons() & Qt::LeftButton) && m_pressed != inside) {
        // Dragged off: the button lets go of its pressed look until the pointer returns.
        m_hover = inside;
        m_pressed = inside;
        update();
    }
    Q_EMIT MouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void CandyButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isEnabled())
        return;
    const QPoint p = event->position().toPoint();
    const bool inside = rect().contains(p);
    const bool wasPressed = m_pressed;
    m_pressed = false;
    m_hover = inside;
    update();
    Q_EMIT MouseUp(event->button(), event->modifiers(), p.x(), p.y());
    if (wasPressed && inside && event->button() == Qt::LeftButton)
        Q_EMIT Click();
}

void CandyButton::mouseDoubleClickEvent(QMouseEvent*)
{
    if (!isEnabled())
        return;
    m_pressed = true;
    update();
    Q_EMIT DblClick();
}

void CandyButton::enterEvent(QEnterEvent*)
{
    if (!isEnabled())
        return;
    m_hover = true;
    update();
    Q_EMIT MouseEnter();
}

void CandyButton::leaveEvent(QEvent*)
{
    if (!isEnabled())
        return;
    m_hover = false;
    update();
    Q_EMIT MouseLeave();
}

void CandyButton::keyPressEvent(QKeyEvent* event)
{
    if (!isEnabled() || (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    m_keyPressed = true;
    update();
    Q_EMIT MouseDown(Qt::LeftButton, event->modifiers(), 0, 0);
}

void CandyButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!isEnabled() || (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!m_keyPressed)
        return;
    m_keyPressed = false;
    update();
    Q_EMIT MouseUp(Qt::LeftButton, event->modifiers(), 0, 0);
    Q_EMIT Click();
}

void CandyButton::focusInEvent(QFocusEvent*)
{
    update();
}

void CandyButton::focusOutEvent(QFocusEvent*)
{
    m_keyPressed = false;
    update();
}

void CandyButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            m_hover = m_pressed = m_keyPressed = false;
        update();
    }
    QWidget::changeEvent(event);
}

void CandyButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const VisualState state = visualState();
    const QRectF r = QRectF(rect());
    const int c = cornerSize(m_style, width(), height());
    const qreal radius = c;

    if (m_style <= 1) {
        p.fillRect(rect(), parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                          : palette().color(QPalette::Window));
        // Grey faces: white fading to a light tone per state.
        QColor top = Qt::white, bottom(214, 208, 197), mid(230, 235, 236);
        if (state == VisualState::Pressed || state == VisualState::Checked) {
            top = QColor(214, 208, 197);
            mid = QColor(226, 222, 214);
            bottom = QColor(244, 243, 240);
        } else if (state == VisualState::Hover) {
            mid = QColor(238, 243, 250);
            bottom = QColor(200, 214, 236);
        }
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(0.5, mid);
        g.setColorAt(1, bottom);
        const qreal round = m_style == 1 ? 3.0 : 1.5;
        p.setBrush(g);
        const QColor border = state == VisualState::Focused ? QColor(51, 94, 168) : QColor(112, 112, 112);
        p.setPen(QPen(withBrightness(border, m_borderBrightness), 1.0));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), round, round);
    } else {
        QColor face = m_up;
        if (state == VisualState::Hover)
            face = m_hoverColor;
        else if (state == VisualState::Pressed || state == VisualState::Checked)
            face = m_down;
        // The clip region's edge is not smoothed: the face and its outline stay one pixel inside it.
        const QRectF faceRect = r.adjusted(1, 1, -1, -1);
        QPainterPath facePath;
        facePath.addRoundedRect(faceRect, radius, radius);
        if (m_style == 6) {
            p.fillPath(facePath, face);
        } else {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            const bool sunk = state == VisualState::Pressed || state == VisualState::Checked;
            g.setColorAt(0, sunk ? face.darker(115) : face);
            g.setColorAt(1, sunk ? face : blend(face, m_bright, 0.55));
            p.fillPath(facePath, g);
            // The highlight band: where it sits and how tall it is differs per style.
            qreal bandTop = 0.06, bandHeight = 0.45, inset = 0.08;
            switch (m_style) {
            case 3:
                bandHeight = 0.5;
                inset = 0.04;
                break;
            case 4:
                bandHeight = 0.38;
                inset = 0.14;
                break;
            case 5:
                bandTop = 0.1;
                bandHeight = 0.3;
                inset = 0.2;
                break;
            case 7:
                bandHeight = 0.55;
                inset = 0.03;
                break;
            default:
                break;
            }
            const QRectF band(faceRect.left() + faceRect.width() * inset, faceRect.top() + faceRect.height() * bandTop,
                              faceRect.width() * (1 - 2 * inset), faceRect.height() * bandHeight);
            QLinearGradient shine(band.topLeft(), band.bottomLeft());
            QColor brightTop = blend(face, m_bright, sunk ? 0.35 : 0.85);
            QColor brightBottom = blend(face, m_bright, 0.15);
            brightTop.setAlpha(230);
            brightBottom.setAlpha(40);
            shine.setColorAt(0, brightTop);
            shine.setColorAt(1, brightBottom);
            QPainterPath bandPath;
            const qreal bandRadius = std::min(radius, band.height() / 2);
            bandPath.addRoundedRect(band, bandRadius, bandRadius);
            p.fillPath(bandPath, shine);
        }
        QPainterPath outline;
        outline.addRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
        p.setPen(QPen(withBrightness(face.darker(160), m_borderBrightness), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
        if (state == VisualState::Focused) {
            QPen focusPen(QColor(255, 255, 255, 160), 1.0, Qt::DotLine);
            p.setPen(focusPen);
            QPainterPath inner;
            inner.addRoundedRect(r.adjusted(3.5, 3.5, -3.5, -3.5), std::max<qreal>(0, radius - 3),
                                 std::max<qreal>(0, radius - 3));
            p.drawPath(inner);
        }
    }

    // Icon and caption, centred together.
    const QString caption = Caption();
    const QFontMetrics fm(font());
    const QSize iconSize = m_picture.isNull() ? QSize() : QSize(16, 16);
    const int textWidth = fm.horizontalAdvance(caption);
    const int gap = (!iconSize.isEmpty() && !caption.isEmpty()) ? 4 : 0;
    const bool horizontal = m_pictureAlignment == IconLeft || m_pictureAlignment == IconRight;
    const int blockWidth = horizontal ? iconSize.width() + gap + textWidth : std::max(iconSize.width(), textWidth);
    const int blockHeight =
        horizontal ? std::max(iconSize.height(), fm.height()) : iconSize.height() + gap + fm.height();
    const int shift = (state == VisualState::Pressed) ? 1 : 0;
    const QPoint origin((width() - blockWidth) / 2 + shift, (height() - blockHeight) / 2 + shift);
    QRect iconRect, textRect;
    switch (m_pictureAlignment) {
    case IconRight:
        textRect = QRect(origin.x(), origin.y(), textWidth, blockHeight);
        iconRect = QRect(origin.x() + textWidth + gap, origin.y() + (blockHeight - iconSize.height()) / 2,
                         iconSize.width(), iconSize.height());
        break;
    case IconAbove:
        iconRect =
            QRect(origin.x() + (blockWidth - iconSize.width()) / 2, origin.y(), iconSize.width(), iconSize.height());
        textRect = QRect(origin.x(), origin.y() + iconSize.height() + gap, blockWidth, fm.height());
        break;
    case IconBelow:
        textRect = QRect(origin.x(), origin.y(), blockWidth, fm.height());
        iconRect = QRect(origin.x() + (blockWidth - iconSize.width()) / 2, origin.y() + fm.height() + gap,
                         iconSize.width(), iconSize.height());
        break;
    default:
        iconRect =
            QRect(origin.x(), origin.y() + (blockHeight - iconSize.height()) / 2, iconSize.width(), iconSize.height());
        textRect = QRect(origin.x() + iconSize.width() + gap, origin.y(), textWidth, blockHeight);
        break;
    }
    const bool hoverLook = state == VisualState::Hover;
    if (!m_picture.isNull()) {
        if (!isEnabled()) {
            m_picture.paint(&p, iconRect, Qt::AlignCenter, QIcon::Disabled);
        } else if (hoverLook && m_iconHighLite) {
            QPixmap pm = m_picture.pixmap(iconSize, devicePixelRatioF());
            QPainter tint(&pm);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(pm.rect(), m_iconHighLiteColor);
            tint.end();
            p.drawPixmap(iconRect, pm);
        } else {
            m_picture.paint(&p, iconRect);
        }
    }
    QColor text = m_foreColor;
    if (!isEnabled())
        text = palette().color(QPalette::Disabled, QPalette::WindowText);
    else if (hoverLook && m_captionHighLite)
        text = m_captionHighLiteColor;
    p.setPen(text);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}

} // namespace qnr
