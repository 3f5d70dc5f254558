#pragma once

#include <AppContext.h>

class QWidget;

namespace qnr::documents {

// The documents windows a ribbon button opens by name; null for other names.
QWidget* createDocumentWindow(const QString& windowName, AppContext& context);

} // namespace qnr::documents
