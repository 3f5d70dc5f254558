#pragma once

#include <AppContext.h>

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace qnr::documents {

namespace TrackingMessages {
inline const QString added = QStringLiteral("Η Εγγραφή Καταχωρίθηκε Στην Βάση!");
inline const QString addedTitle = QStringLiteral("Added");
} // namespace TrackingMessages

// Records the web address of a carrier's shipment tracking page.
class frmForwarderTrack : public QWidget {
    Q_OBJECT
public:
    explicit frmForwarderTrack(AppContext& context, QWidget* parent = nullptr);

public Q_SLOTS:
    void cmdSave_Click();

private:
    AppContext& m_context;
    QComboBox* m_carrier;
    QLineEdit* m_address;
};

} // namespace qnr::documents
