#pragma once

#include <optional>
#include <QDate>
#include <QString>

namespace qnr::demo {

struct DemoOptions {
    // The month the demo centres on; its documents fall around this date.
    QDate today = QDate::currentDate();
    int stockItems = 1500;
    int documents = 2500;
    int clients = 60;
    int suppliers = 30;
    quint32 seed = 20190305;
    // Certificate PDFs and product pictures on the demo drives.
    bool files = true;
};

// Large enough for the benchmarks: at least 100,000 stock items and documents.
DemoOptions volumeOptions(const QDate& today = QDate::currentDate());

// The Escape, Lomag and Visual Office databases as embedded files in `folder`
// ("escape.db", "lomag.db", "voffice.db"), and, with files, the drives below
// `drivesFolder` (W and Z). Existing files are replaced. Returns an error text.
std::optional<QString> createDemoDatabases(const QString& folder, const QString& drivesFolder,
                                           const DemoOptions& options);

inline const char* const kEscapeFile = "escape.db";
inline const char* const kLomagFile = "lomag.db";
inline const char* const kVisualOfficeFile = "voffice.db";

// The demo user whose password the README names, and the one whose stored name
// carries trailing blanks.
inline const char* const kDemoUser = "Tomrik";
inline const char* const kDemoPassword = "8067";

} // namespace qnr::demo
