#include "RibbonLayout.h"

#include "RibbonTheme.h"

#include <algorithm>

namespace qnr {

using namespace RibbonGeometry;
using namespace RibbonPicture;

RibbonLayoutResult layoutRibbon(const std::vector<RibbonTab>& tabs, const std::vector<RibbonCategory>& categories,
                                const std::vector<RibbonButtonDef>& buttons, const QString& currentTab,
                                const RibbonMetrics& metrics)
{
    RibbonLayoutResult result;
    result.height = pictureSizeTwips(BarBody).height() - kHiddenBarTop;

    const QSize tabEdge = pictureSizeTwips(TabLeft);
    int x = kFirstTabLeft;
    for (int i = 0; i < int(tabs.size()); ++i) {
        const int captionWidth = metrics.textWidth(tabs[size_t(i)].caption);
        TabPlace place;
        place.index = i;
        place.left = QRect(x, 0, tabEdge.width(), tabEdge.height());
        place.centre = QRect(place.left.right() + 1, 0, captionWidth, tabEdge.height());
        place.right = QRect(place.centre.right() + 1, 0, tabEdge.width(), tabEdge.height());
        place.caption = QRect(place.centre.left(), kTabCaptionTop, captionWidth, metrics.lineHeight);
        x = place.right.right() + 1;
        result.tabs.push_back(place);
    }

    const QSize frameEdge = pictureSizeTwips(CategoryLeft);
    const QSize buttonEdge = pictureSizeTwips(HoverLeft);
    const QSize dialogSize = pictureSizeTwips(DialogNormal);
    const QSize moreSize = pictureSizeTwips(More);
    bool tabKnown = false;
    for (const RibbonTab& tab : tabs)
        tabKnown = tabKnown || tab.id == currentTab;

    x = kFirstCategoryLeft;
    for (int c = 0; c < int(categories.size()) && tabKnown; ++c) {
        const RibbonCategory& category = categories[size_t(c)];
        if (category.tab != currentTab)
            continue;
        CategoryPlace place;
        place.index = c;
        place.left = QRect(x, kCategoryTop, frameEdge.width(), frameEdge.height());
        const int centreLeft = place.left.right() + 1;

        int buttonX = centreLeft;
        for (int b = 0; b < int(buttons.size()); ++b) {
            const RibbonButtonDef& button = buttons[size_t(b)];
            if (button.category != category.id)
                continue;
            const QStringList lines = button.caption.split(QStringLiteral("\r\n"));
            int captionWidth = 0;
            for (const QString& line : lines)
                captionWidth = std::max(captionWidth, metrics.textWidth(line));
            const int lineCount = std::max<int>(1, int(lines.size()));
            const int captionHeight = lineCount * metrics.lineHeight;
            const int moreWidth = button.more ? kMoreGap + moreSize.width() : 0;
            const int contentWidth = std::max(metrics.iconWidth, captionWidth + moreWidth);
            ButtonPlace bp;
            bp.index = b;
            bp.area = QRect(buttonX + kButtonSpacing, kButtonFrameTop, contentWidth + 2 * kButtonPadding,
                            buttonEdge.height());
            const int iconTop = metrics.buttonCenter
                                    ? bp.area.top() + (bp.area.height() - metrics.iconHeight - captionHeight) / 2
                                    : bp.area.top() + kIconTopInFrame;
            bp.icon = QRect(bp.area.left() + (bp.area.width() - metrics.iconWidth) / 2, iconTop, metrics.iconWidth,
                            metrics.iconHeight);
            const int blockWidth = captionWidth + moreWidth;
            const int captionLeft = bp.area.left() + (bp.area.width() - blockWidth) / 2;
            bp.caption = QRect(captionLeft, bp.icon.bottom() + 1, captionWidth, captionHeight);
            if (button.more) {
                bp.more =
                    QRect(bp.caption.right() + 1 + kMoreGap,
                          bp.caption.bottom() + 1 - metrics.lineHeight + (metrics.lineHeight - moreSize.height()) / 2,
                          moreSize.width(), moreSize.height());
            }
            buttonX = bp.area.right() + 1;
            place.buttons.push_back(bp);
        }
        const int captionWidth = metrics.textWidth(category.caption) + kCaptionMargin;
        const int buttonsWidth = place.buttons.empty() ? 0 : buttonX + kButtonSpacing - centreLeft;
        const int centreWidth = std::max(captionWidth + (category.dialogButton ? dialogSize.width() : 0), buttonsWidth);
        place.centre = QRect(centreLeft, kCategoryTop, centreWidth, frameEdge.height());
        place.right = QRect(place.centre.right() + 1, kCategoryTop, frameEdge.width(), frameEdge.height());
        place.caption =
            QRect(centreLeft + (centreWidth - captionWidth) / 2, kCategoryCaptionTop, captionWidth, metrics.lineHeight);
        if (category.dialogButton) {
            place.dialog = QRect(place.right.left() - dialogSize.width() + 15,
                                 place.right.top() + place.right.height() - (dialogSize.height() + 60),
                                 dialogSize.width(), dialogSize.height());
        }
        x = place.right.right() + 1 + kCategoryGap;
        result.categories.push_back(std::move(place));
    }
    return result;
}

} // namespace qnr
