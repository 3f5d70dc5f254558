#pragma once

#include "Connections.h"
#include "Services.h"

#include <array>

namespace qnr {

// What "Test" and "Update/Save" of the connection settings window decide.
namespace ConnectionSettingsMessages {
inline const QString singleSuccess = QStringLiteral("Η Σύνδεση με τον διακομιστή ή την βάση έγινε με επιτυχία");
inline const QString allSuccess = QStringLiteral("Η σύνδεση με των διακομιστών ή των βάσεων έγινε με επιτυχία");
inline const QString failurePrefix = QStringLiteral("Err- Δεν υπάρχει σύνδεση με τον διακομιστή ή την βάση ");
inline const QString saved = QStringLiteral("Οι αλλαγές καταχωρήθικαν. Πρέπει να ξανατρέξετε την εφαρμογή");
} // namespace ConnectionSettingsMessages

struct SettingsReport {
    QString text;
    MessageIcon icon = MessageIcon::None;
};

// The three groups in the order of the window: Visual Office, Escape, Lomag.
using SectionValues = std::array<TerminalSettings, 3>;

// Opens and closes the shared connections with the values of the boxes; leaves
// them closed. The flags are those held since start-up.
SettingsReport testConnections(const SectionValues& values, const AppSettings& held, AppConnections& connections,
                               const QString& programFolder);

// Writes the 21 box values, section by section; TermDbType and the flags of
// "General" are left alone. False when the file could not be written.
bool saveConnectionSettings(const QString& configPath, const SectionValues& values);

} // namespace qnr
