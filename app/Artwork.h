#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

namespace qnr {

// The 17 pictures of the main window's image list (index 1 to 17), from the
// program's own SVG drawings, sharp at 32 and 64 pixels.
QList<QIcon> ribbonImageList();

// The company's logo, drawn for the login window.
QPixmap companyLogo(const QSize& size, qreal devicePixelRatio = 1.0);

} // namespace qnr
