#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace qnr {

// The colours and pictures of the ribbon's three themes: 0 "BLACK", 1 "BLUE",
// 2 "SILVER". Pictures are drawn by code at the size and pixel ratio asked for, so
// they stay crisp at any scale; they are found by theme name and picture id.
struct RibbonColors {
    QColor back;
    QColor fore;
    QColor categoryCaption;
    QColor tabCaption;
    QColor selectedTabCaption;
    QColor buttonCaption;
};

namespace RibbonPicture {
enum Id {
    BarBody = 101,
    BarLeft = 102,
    BarRight = 103,
    DialogNormal = 118,
    DialogHighlighted = 119,
    DialogHover = 120,
    CategoryLeft = 121,
    CategoryCentre = 122,
    CategoryRight = 123,
    CategoryHighLeft = 124,
    CategoryHighCentre = 125,
    CategoryHighRight = 126,
    TabLeft = 127,
    TabCentre = 128,
    TabRight = 129,
    TabHoverLeft = 130,
    TabHoverCentre = 131,
    TabHoverRight = 132,
    More = 133,
    MoreHighlighted = 134,
    PressedLeft = 135,
    PressedCentre = 136,
    PressedRight = 137,
    HoverLeft = 138,
    HoverCentre = 139,
    HoverRight = 140,
    Background = 141,
};
} // namespace RibbonPicture

int normalizedTheme(int theme);
QString themeName(int theme);
int themeFromName(const QString& name);
RibbonColors themeColors(int theme);

// The picture's natural size in twips, for the layout; stretched parts give their
// unstretched width.
QSize pictureSizeTwips(int id);

// Ids 104 to 117 exist in every set but the ribbon does not use them: they come back
// as empty pictures. An unknown theme name or id gives a null pixmap.
QPixmap themePicture(const QString& theme, int id, const QSize& size, qreal devicePixelRatio = 1.0);

} // namespace qnr
