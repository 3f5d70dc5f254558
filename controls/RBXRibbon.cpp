#include "RBXRibbon.h"

#include "Twips.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <stdexcept>

namespace qnr {

using namespace RibbonPicture;

namespace {

QString blanksForBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

RBXRibbon::RBXRibbon(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RBXRibbon1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setTheme(0);
    Resize();
}

void RBXRibbon::AddTab(const QString& zID, const QString& zCaption)
{
    if (int(m_tabs.size()) >= kMaxTabs)
        throw std::out_of_range("RBXRibbon: more than 31 tabs");
    m_tabs.push_back({zID, blanksForBreaks(zCaption)});
    if (m_tabs.size() == 1)
        m_currentTab = zID;
}

void RBXRibbon::AddCat(const QString& zID, const QString& zTab, const QString& zCaption, bool zDlgButton)
{
    if (int(m_categories.size()) >= kMaxCategories)
        throw std::out_of_range("RBXRibbon: more than 31 categories");
    m_categories.push_back({zID, zTab, blanksForBreaks(zCaption), zDlgButton});
}

void RBXRibbon::AddButton(const QString& zID, const QString& zSubCat, const QString& zCaption, int zPicture, bool zMore,
                          const QString& zToolTip)
{
    if (int(m_buttons.size()) >= kMaxButtons)
        throw std::out_of_range("RBXRibbon: more than 91 buttons");
    QString caption = zCaption;
    // A lone LF or CR counts as a line break too.
    if (!caption.contains(QStringLiteral("\r\n")))
        caption.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_buttons.push_back(
        {zID, zSubCat, caption, blanksForBreaks(zToolTip.isEmpty() ? zCaption : zToolTip), zPicture, zMore});
    m_buttonIcons.push_back(zPicture >= 1 && zPicture <= m_images.size() ? m_images[zPicture - 1] : QIcon());
}

void RBXRibbon::Resize()
{
    setFixedHeight(twipsToPixelsY(pictureSizeTwips(BarBody).height() - RibbonGeometry::kHiddenBarTop, this));
}

void RBXRibbon::Refresh()
{
    Resize();
    relayout();
}

void RBXRibbon::relayout()
{
    m_layout = layoutRibbon(m_tabs, m_categories, m_buttons, m_currentTab, metrics());
    m_hoverTab = m_hoverButton = m_highCategory = m_pressedButton = -1;
    m_hoverDialog = false;
    update();
}

RibbonMetrics RBXRibbon::metrics() const
{
    RibbonMetrics m;
    const QFontMetrics fm(font());
    const double twipsPerPixel = 1440.0 / std::max(1, logicalDpiX());
    m.textWidth = [fm, twipsPerPixel](const QString& text) {
        return int(std::ceil(fm.horizontalAdvance(text) * twipsPerPixel));
    };
    m.lineHeight = int(std::ceil(fm.height() * 1440.0 / std::max(1, logicalDpiY())));
    m.iconWidth = int(std::lround(32 * twipsPerPixel));
    m.iconHeight = int(std::lround(32 * 1440.0 / std::max(1, logicalDpiY())));
    m.buttonCenter = m_buttonCenter;
    return m;
}

void RBXRibbon::setTheme(int theme)
{
    m_theme = normalizedTheme(theme);
    m_colors = themeColors(m_theme);
    update();
}

void RBXRibbon::setButtonCenter(bool centre)
{
    m_buttonCenter = centre;
}

QPixmap RBXRibbon::LoadBackground() const
{
    const QSize twips = pictureSizeTwips(Background);
    return themePicture(themeName(m_theme), Background,
                        QSize(twipsToPixelsX(twips.width(), this), twipsToPixelsY(twips.height(), this)),
                        devicePixelRatioF());
}

QRect RBXRibbon::toPixels(const QRect& twips) const
{
    if (twips.isNull())
        return {};
    const int left = twipsToPixelsX(twips.left(), this);
    const int top = twipsToPixelsY(twips.top(), this);
    const int right = twipsToPixelsX(twips.left() + twips.width(), this);
    const int bottom = twipsToPixelsY(twips.top() + twips.height(), this);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect RBXRibbon::tabRect(const QString& id) const
{
    for (const TabPlace& t : m_layout.tabs) {
        if (m_tabs[size_t(t.index)].id == id)
            return toPixels(t.area());
    }
    return {};
}

QRect RBXRibbon::categoryRect(const QString& id) const
{
    for (const CategoryPlace& c : m_layout.categories) {
        if (m_categories[size_t(c.index)].id == id)
            return toPixels(c.area());
    }
    return {};
}

QRect RBXRibbon::dialogButtonRect(const QString& categoryId) const
{
    for (const CategoryPlace& c : m_layout.categories) {
        if (m_categories[size_t(c.index)].id == categoryId)
            return toPixels(c.dialog);
    }
    return {};
}

QList<QRect> RBXRibbon::buttonRects(const QString& id) const
{
    QList<QRect> rects;
    for (const CategoryPlace& c : m_layout.categories) {
        for (const ButtonPlace& b : c.buttons) {
            if (m_buttons[size_t(b.index)].id == id)
                rects << toPixels(b.area);
        }
    }
    return rects;
}

QStringList RBXRibbon::visibleCategories() const
{
    QStringList ids;
    for (const CategoryPlace& c : m_layout.categories)
        ids << m_categories[size_t(c.index)].id;
    return ids;
}

QStringList RBXRibbon::visibleButtons() const
{
    QStringList ids;
    for (const CategoryPlace& c : m_layout.categories) {
        for (const ButtonPlace& b : c.buttons)
            ids << m_buttons[size_t(b.index)].id;
    }
    return ids;
}

QString RBXRibbon::toolTipOf(int buttonIndex) const
{
    if (buttonIndex < 0 || buttonIndex >= int(m_buttons.size()))
        return {};
    return m_buttons[size_t(buttonIndex)].toolTip;
}

QSize RBXRibbon::sizeHint() const
{
    int width = 0;
    if (!m_layout.categories.empty())
        width = toPixels(m_layout.categories.back().area()).right() + 8;
    return {std::max(width, 400), height()};
}

RBXRibbon::Hit RBXRibbon::hitTest(const QPoint& pos) const
{
    Hit hit;
    for (const TabPlace& t : m_layout.tabs) {
        if (toPixels(t.area()).contains(pos)) {
            hit.tab = t.index;
            return hit;
        }
    }
    for (const CategoryPlace& c : m_layout.categories) {
        if (!toPixels(c.area()).contains(pos))
            continue;
        hit.category = c.index;
        if (!c.dialog.isNull() && toPixels(c.dialog).contains(pos)) {
            hit.dialog = true;
            return hit;
        }
        for (const ButtonPlace& b : c.buttons) {
            if (toPixels(b.area).contains(pos)) {
                hit.button = b.index;
                return hit;
            }
        }
        return hit;
    }
    return hit;
}

void RBXRibbon::applyHover(const Hit& hit)
{
    const int tab = (hit.tab >= 0 && m_tabs[size_t(hit.tab)].id != m_currentTab) ? hit.tab : -1;
    if (tab == m_hoverTab && hit.button == m_hoverButton && hit.category == m_highCategory &&
        hit.dialog == m_hoverDialog)
        return;
    m_hoverTab = tab;
    m_hoverButton = hit.button;
    m_highCategory = hit.category;
    m_hoverDialog = hit.dialog;
    update();
}

void RBXRibbon::mouseMoveEvent(QMouseEvent* event)
{
    applyHover(hitTest(event->position().toPoint()));
}

void RBXRibbon::leaveEvent(QEvent*)
{
    applyHover(Hit());
}

void RBXRibbon::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.button >= 0) {
        m_pressedButton = hit.button;
        update();
    }
}

void RBXRibbon::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Hit hit = hitTest(event->position().toPoint());
    const int pressed = m_pressedButton;
    m_pressedButton = -1;
    update();
    if (hit.tab >= 0) {
        const RibbonTab tab = m_tabs[size_t(hit.tab)];
        m_currentTab = tab.id;
        relayout();
        Q_EMIT TabClick(tab.id, tab.caption);
    } else if (hit.dialog) {
        const RibbonCategory category = m_categories[size_t(hit.category)];
        Q_EMIT DialogButtonClick(category.id, category.caption);
    } else if (hit.button >= 0 && hit.button == pressed) {
        const RibbonButtonDef button = m_buttons[size_t(hit.button)];
        Q_EMIT ButtonClick(button.id, button.caption);
    }
}

bool RBXRibbon::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = hitTest(help->pos());
        if (hit.button >= 0)
            QToolTip::showText(help->globalPos(), toolTipOf(hit.button), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void RBXRibbon::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        relayout();
    QWidget::changeEvent(event);
}

QPixmap RBXRibbon::picture(int id, const QSize& pixels) const
{
    return themePicture(themeName(m_theme), id, pixels, devicePixelRatioF());
}

void RBXRibbon::drawThree(QPainter& p, int leftId, const QRect& left, const QRect& centre, const QRect& right) const
{
    const QRect l = toPixels(left);
    const QRect c = toPixels(centre);
    const QRect r = toPixels(right);
    p.drawPixmap(l, picture(leftId, l.size()));
    if (c.width() > 0)
        p.drawPixmap(c, picture(leftId + 1, QSize(std::max(1, l.width()), c.height())));
    p.drawPixmap(r, picture(leftId + 2, r.size()));
}

void RBXRibbon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int hidden = twipsToPixelsY(RibbonGeometry::kHiddenBarTop, this);
    const int barHeight = twipsToPixelsY(pictureSizeTwips(BarBody).height(), this);
    // The bar body sits 390 twips above the top; it is stretched to the width.
    const QPixmap body = picture(BarBody, QSize(std::max(width(), 1), barHeight));
    p.drawPixmap(0, -hidden, body);
    const int edge = twipsToPixelsX(pictureSizeTwips(BarLeft).width(), this);
    p.drawPixmap(0, -hidden, picture(BarLeft, QSize(edge, barHeight)));
    p.drawPixmap(width() - edge, -hidden, picture(BarRight, QSize(edge, barHeight)));

    for (const TabPlace& t : m_layout.tabs) {
        const RibbonTab& tab = m_tabs[size_t(t.index)];
        const bool current = tab.id == m_currentTab;
        if (current)
            drawThree(p, TabLeft, t.left, t.centre, t.right);
        else if (t.index == m_hoverTab)
            drawThree(p, TabHoverLeft, t.left, t.centre, t.right);
        p.setPen(current ? m_colors.selectedTabCaption : m_colors.tabCaption);
        p.drawText(toPixels(t.caption).adjusted(0, 0, 4, 0), Qt::AlignLeft | Qt::AlignTop, tab.caption);
    }

    const QColor buttonCaption =
        m_colors.buttonCaption.isValid() ? m_colors.buttonCaption : palette().color(QPalette::WindowText);
    for (const CategoryPlace& c : m_layout.categories) {
        const RibbonCategory& category = m_categories[size_t(c.index)];
        const bool high = c.index == m_highCategory;
        drawThree(p, high ? CategoryHighLeft : CategoryLeft, c.left, c.centre, c.right);
        for (const ButtonPlace& b : c.buttons) {
            const RibbonButtonDef& button = m_buttons[size_t(b.index)];
            if (b.index == m_pressedButton)
                drawThree(p, PressedLeft, QRect(b.area.left(), b.area.top(), 45, b.area.height()),
                          QRect(b.area.left() + 45, b.area.top(), b.area.width() - 90, b.area.height()),
                          QRect(b.area.right() - 44, b.area.top(), 45, b.area.height()));
            else if (b.index == m_hoverButton)
                drawThree(p, HoverLeft, QRect(b.area.left(), b.area.top(), 45, b.area.height()),
                          QRect(b.area.left() + 45, b.area.top(), b.area.width() - 90, b.area.height()),
                          QRect(b.area.right() - 44, b.area.top(), 45, b.area.height()));
            const QIcon& icon = m_buttonIcons[size_t(b.index)];
            if (!icon.isNull())
                icon.paint(&p, toPixels(b.icon));
            p.setPen(buttonCaption);
            p.drawText(toPixels(b.caption).adjusted(-4, 0, 4, 0), Qt::AlignHCenter | Qt::AlignTop,
                       QString(button.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            if (!b.more.isNull()) {
                const QRect more = toPixels(b.more);
                p.drawPixmap(more, picture(b.index == m_hoverButton ? MoreHighlighted : More, more.size()));
            }
        }
        p.setPen(m_colors.categoryCaption);
        p.drawText(toPixels(c.caption).adjusted(-2, 0, 2, 0), Qt::AlignHCenter | Qt::AlignTop, category.caption);
        if (!c.dialog.isNull()) {
            const QRect d = toPixels(c.dialog);
            const int id = m_hoverDialog && high ? DialogHover : (high ? DialogHighlighted : DialogNormal);
            p.drawPixmap(d, picture(id, d.size()));
        }
    }
}

} // namespace qnr
