#include "Twips.h"

#include <cmath>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qnr {

namespace {

double logicalDpi(const QWidget* widget, bool horizontal)
{
    if (widget)
        return horizontal ? widget->logicalDpiX() : widget->logicalDpiY();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return 96.0;
}

} // namespace

int twipsToPixelsX(int twips, const QWidget* widget)
{
    return int(std::lround(twips * logicalDpi(widget, true) / 1440.0));
}

int twipsToPixelsY(int twips, const QWidget* widget)
{
    return int(std::lround(twips * logicalDpi(widget, false) / 1440.0));
}

} // namespace qnr
