#pragma once

#include "RibbonLayout.h"
#include "RibbonTheme.h"

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QWidget>

namespace qnr {

// An office-style ribbon: tabs; under the current tab its categories; in each
// category large buttons with an icon and a caption. Three colour themes. The host
// fills it with AddTab, AddCat and AddButton, calls Refresh, and hears TabClick,
// DialogButtonClick and ButtonClick.
class RBXRibbon : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Theme READ Theme WRITE setTheme)
    Q_PROPERTY(bool ButtonCenter READ ButtonCenter WRITE setButtonCenter)
public:
    static constexpr int kMaxTabs = 31;
    static constexpr int kMaxCategories = 31;
    static constexpr int kMaxButtons = 91;

    explicit RBXRibbon(QWidget* parent = nullptr);

    // Past the capacities these throw std::out_of_range.
    void AddTab(const QString& zID, const QString& zCaption);
    void AddCat(const QString& zID, const QString& zTab, const QString& zCaption, bool zDlgButton);
    void AddButton(const QString& zID, const QString& zSubCat, const QString& zCaption, int zPicture, bool zMore,
                   const QString& zToolTip = QString());

    void Refresh();
    void Resize();

    int Theme() const { return m_theme; }
    void setTheme(int theme);
    bool ButtonCenter() const { return m_buttonCenter; }
    void setButtonCenter(bool centre);
    QPixmap LoadBackground() const;
    void setImageList(const QList<QIcon>& zImageList) { m_images = zImageList; }
    QColor BackColor() const { return m_colors.back; }
    QColor ForeColor() const { return m_colors.fore; }

    const QString& currentTab() const { return m_currentTab; }
    const std::vector<RibbonTab>& tabs() const { return m_tabs; }
    const std::vector<RibbonCategory>& categories() const { return m_categories; }
    const std::vector<RibbonButtonDef>& buttons() const { return m_buttons; }

    // What is laid out now, in pixels, for the host and for tests.
    const RibbonLayoutResult& layoutTwips() const { return m_layout; }
    QRect toPixels(const QRect& twips) const;
    QRect tabRect(const QString& id) const;
    QRect categoryRect(const QString& id) const;
    QRect dialogButtonRect(const QString& categoryId) const;
    QList<QRect> buttonRects(const QString& id) const;
    QStringList visibleCategories() const;
    QStringList visibleButtons() const;
    QString toolTipOf(int buttonIndex) const;

    // The state pictures shown now.
    int hoveredTab() const { return m_hoverTab; }
    int hoveredButton() const { return m_hoverButton; }
    int highlightedCategory() const { return m_highCategory; }
    int pressedButton() const { return m_pressedButton; }
    bool dialogUnderMouse() const { return m_hoverDialog; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void TabClick(const QString& id, const QString& caption);
    void DialogButtonClick(const QString& id, const QString& caption);
    void ButtonClick(const QString& id, const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Hit {
        int tab = -1;        // index into tabs
        int category = -1;   // index into categories
        int button = -1;     // index into buttons
        bool dialog = false; // on the category's dialog button
    };
    Hit hitTest(const QPoint& pos) const;
    void relayout();
    void applyHover(const Hit& hit);
    RibbonMetrics metrics() const;
    void drawThree(QPainter& p, int leftId, const QRect& left, const QRect& centre, const QRect& right) const;
    QPixmap picture(int id, const QSize& pixels) const;

    std::vector<RibbonTab> m_tabs;
    std::vector<RibbonCategory> m_categories;
    std::vector<RibbonButtonDef> m_buttons;
    std::vector<QIcon> m_buttonIcons;
    QList<QIcon> m_images;
    QString m_currentTab;
    int m_theme = 0;
    bool m_buttonCenter = false;
    RibbonColors m_colors;
    RibbonLayoutResult m_layout;

    int m_hoverTab = -1;
    int m_hoverButton = -1;
    int m_highCategory = -1;
    bool m_hoverDialog = false;
    int m_pressedButton = -1;
};

} // namespace qnr
