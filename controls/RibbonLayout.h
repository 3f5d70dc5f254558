#pragma once

#include <functional>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace qnr {

struct RibbonTab {
    QString id;
    QString caption; // line breaks already blanks
};

struct RibbonCategory {
    QString id;
    QString tab;
    QString caption; // line breaks already blanks
    bool dialogButton = false;
};

struct RibbonButtonDef {
    QString id;
    QString category;
    QString caption; // line breaks kept
    QString toolTip; // line breaks already blanks
    int picture = 0; // 1-based image list index
    bool more = false;
};

// Where every part of the ribbon goes, in twips from the control's top left.
struct TabPlace {
    int index;
    QRect left, centre, right, caption;
    QRect area() const { return left.united(right); }
};

struct ButtonPlace {
    int index;  // into the button table
    QRect area; // mouse area and frame
    QRect icon;
    QRect caption; // the caption block (one or two lines)
    QRect more;    // empty without the more glyph
};

struct CategoryPlace {
    int index;
    QRect left, centre, right, caption;
    QRect dialog; // empty without a dialog button
    std::vector<ButtonPlace> buttons;
    QRect area() const { return left.united(right); }
};

struct RibbonLayoutResult {
    std::vector<TabPlace> tabs;
    std::vector<CategoryPlace> categories;
    int height = 0;
};

struct RibbonMetrics {
    // Text width and line height in twips.
    std::function<int(const QString&)> textWidth;
    int lineHeight = 195;
    int iconWidth = 480;
    int iconHeight = 480;
    bool buttonCenter = false;
};

namespace RibbonGeometry {
inline constexpr int kHiddenBarTop = 390;
inline constexpr int kFirstTabLeft = 90;
inline constexpr int kTabCaptionTop = 60;
inline constexpr int kFirstCategoryLeft = 120;
inline constexpr int kCategoryCaptionTop = 1400;
inline constexpr int kCategoryTop = 345;
inline constexpr int kCategoryGap = 30;
inline constexpr int kButtonSpacing = 30;
inline constexpr int kButtonFrameTop = 390;
inline constexpr int kIconTopInFrame = 90;
inline constexpr int kButtonPadding = 90;
inline constexpr int kMoreGap = 45;
// A caption label's own margins, counted in its width.
inline constexpr int kCaptionMargin = 180;
} // namespace RibbonGeometry

RibbonLayoutResult layoutRibbon(const std::vector<RibbonTab>& tabs, const std::vector<RibbonCategory>& categories,
                                const std::vector<RibbonButtonDef>& buttons, const QString& currentTab,
                                const RibbonMetrics& metrics);

} // namespace qnr
