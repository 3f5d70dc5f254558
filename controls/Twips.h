#pragma once

class QWidget;

namespace qnr {

// Window sizes are given in twips (1/1440 inch); 15 twips a pixel at 96 dpi.
int twipsToPixelsX(int twips, const QWidget* widget = nullptr);
int twipsToPixelsY(int twips, const QWidget* widget = nullptr);

} // namespace qnr
