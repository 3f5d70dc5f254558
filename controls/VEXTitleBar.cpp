#include "VEXTitleBar.h"

#include "Twips.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace qnr {

namespace {

constexpr int kCloseBoxSize = 16;

} // namespace

VEXTitleBar::VEXTitleBar(QWidget* parent)
    : QWidget(parent)
    , m_shadow(new QLabel(this))
    , m_caption(new QLabel(this))
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("VEXTitleBar1"));
    m_shadow->setObjectName(QStringLiteral("lblShadow"));
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    for (QLabel* label : {m_shadow, m_caption}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setText(QStringLiteral("VEX Title Bar"));
    }
    m_timer->setInterval(kPollMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &VEXTitleBar::pollHover);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setForeColor(m_foreColor);
    setShadowColor(m_shadowColor);
    setAlignment(m_alignment);
    setFixedHeight(twipsToPixelsY(kHeightTwips, this));
    setMinimumWidth(kMinimumWidth);
    m_caption->raise();
}

QString VEXTitleBar::Caption() const
{
    return m_caption->text();
}

void VEXTitleBar::setCaption(const QString& caption)
{
    m_caption->setText(caption);
    m_shadow->setText(caption);
    update();
}

void VEXTitleBar::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment & Qt::AlignHorizontal_Mask;
    m_caption->setAlignment(m_alignment | Qt::AlignVCenter);
    m_shadow->setAlignment(m_alignment | Qt::AlignVCenter);
}

void VEXTitleBar::setForeColor(const QColor& c)
{
    m_foreColor = c;
    QPalette pal = m_caption->palette();
    pal.setColor(QPalette::WindowText, c);
    m_caption->setPalette(pal);
}

void VEXTitleBar::setShadowColor(const QColor& c)
{
    m_shadowColor = c;
    QPalette pal = m_shadow->palette();
    pal.setColor(QPalette::WindowText, c);
    m_shadow->setPalette(pal);
}

void VEXTitleBar::setBorderColor(const QColor& c)
{
    m_borderColor = c;
    update();
}

void VEXTitleBar::setBackColor(const QColor& c)
{
    m_backColor = c;
    update();
}

QSize VEXTitleBar::sizeHint() const
{
    return {300, twipsToPixelsY(kHeightTwips, this)};
}

QSize VEXTitleBar::minimumSizeHint() const
{
    return {kMinimumWidth, twipsToPixelsY(kHeightTwips, this)};
}

QRect VEXTitleBar::closeBoxRect() const
{
    return QRect(width() - kCloseBoxSize - 2, height() / 2 - kCloseBoxSize / 2, kCloseBoxSize, kCloseBoxSize);
}

QWidget* VEXTitleBar::hostWindow() const
{
    QWidget* w = parentWidget();
    while (w) {
        if (qobject_cast<QMdiSubWindow*>(w) || w->isWindow())
            return w;
        w = w->parentWidget();
    }
    return nullptr;
}

void VEXTitleBar::resizeEvent(QResizeEvent*)
{
    if (width() < kMinimumWidth) {
        resize(kMinimumWidth, height());
        return;
    }
    layoutParts();
}

void VEXTitleBar::layoutParts()
{
    const QRect box = closeBoxRect();
    const int left = 6;
    const QRect captionRect(left, 0, std::max(0, box.left() - left - 2), height());
    m_caption->setGeometry(captionRect);
    m_shadow->setGeometry(captionRect.translated(1, 1));
    m_caption->raise();
    update();
}

QPixmap VEXTitleBar::closePicture(bool hover) const
{
    const qreal dpr = devicePixelRatioF();
    QPixmap pm(QSize(kCloseBoxSize, kCloseBoxSize) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, kCloseBoxSize - 1, kCloseBoxSize - 1);
    if (hover) {
        p.setPen(QPen(QColor(170, 40, 40), 1));
        p.setBrush(QColor(224, 67, 67));
        p.drawRoundedRect(r, 3, 3);
    }
    p.setPen(QPen(hover ? Qt::white : m_foreColor, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
    return pm;
}

void VEXTitleBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_backColor);
    p.setPen(m_borderColor);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawPixmap(closeBoxRect(), closePicture(m_hoverShown));
}

void VEXTitleBar::showHover(bool shown)
{
    if (m_hoverShown != shown) {
        m_hoverShown = shown;
        update(closeBoxRect());
    }
}

void VEXTitleBar::pollHover()
{
    const QRect onScreen(mapToGlobal(closeBoxRect().topLeft()), closeBoxRect().size());
    if (!onScreen.contains(QCursor::pos())) {
        m_timer->stop();
        showHover(false);
    }
}

void VEXTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (!m_closePressed && closeBoxRect().contains(p)) {
        showHover(true);
        m_timer->start();
    }
    Q_EMIT MouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void VEXTitleBar::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && closeBoxRect().contains(p)) {
        m_closePressed = true;
        showHover(false);
    }
    Q_EMIT MouseDown(event->buttons() | event->button(), event->modifiers(), p.x(), p.y());
}

void VEXTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    Q_EMIT MouseUp(event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::LeftButton && m_closePressed) {
        m_closePressed = false;
        m_timer->start();
        if (closeBoxRect().contains(p)) {
            if (QWidget* host = hostWindow())
                host->close();
            return;
        }
    }
    if (rect().contains(p))
        Q_EMIT Click();
}

void VEXTitleBar::mouseDoubleClickEvent(QMouseEvent*)
{
    Q_EMIT DblClick();
}

void VEXTitleBar::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT KeyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty())
        Q_EMIT KeyPress(event->text());
}

void VEXTitleBar::keyReleaseEvent(QKeyEvent* event)
{
    Q_EMIT KeyUp(event->key(), event->modifiers());
}

} // namespace qnr
