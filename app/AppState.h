#pragma once

#include <QString>

namespace qnr {

// Values that link windows for the whole run; they stay set after their window closes.
struct AppState {
    // MvId of the document last clicked in the documents browser.
    QString selectedDocument;
    // MvId last double-clicked in the quote-entry or invoice details window.
    QString currentEscapeDocument;
};

} // namespace qnr
