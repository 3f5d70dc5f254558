#include "frmForwarderTrack.h"

#include "DocumentDetails.h"

#include <AppInfo.h>
#include <ClockKey.h>
#include <VEXTitleBar.h>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace qnr::documents {

frmForwarderTrack::frmForwarderTrack(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmForwarderTrack"));
    setWindowTitle(QStringLiteral("Carrier Tracking URL Address Information"));
    auto* title = new VEXTitleBar(this);
    title->setCaption(QStringLiteral("Carrier Tracking URL Address Information"));
    m_carrier = new QComboBox(this);
    m_carrier->setObjectName(QStringLiteral("cmbCarrierName"));
    m_carrier->setEditable(true);
    m_carrier->setInsertPolicy(QComboBox::NoInsert);
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("txtCarrierURL"));
    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("cmdSave"));
    save->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton));
    save->setToolTip(QStringLiteral("Save"));
    connect(save, &QPushButton::clicked, this, &frmForwarderTrack::cmdSave_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Select Carrier"), this), 1, 0);
    grid->addWidget(m_carrier, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("URL"), this), 2, 0);
    grid->addWidget(m_address, 2, 1, 1, 2);
    grid->addWidget(save, 3, 2, Qt::AlignRight);
    resize(560, 150);

    const data::QueryResult types = m_context.connections.escape.select(sendTypesStatement());
    if (!types.ok()) {
        reportFailure(m_context.services.dialogs, *types.error);
        return;
    }
    for (const data::Row row : types.rows)
        m_carrier->addItem(row.text(QStringLiteral("SendTypeDescr")).trimmed());
}

void frmForwarderTrack::cmdSave_Click()
{
    const data::MaybeError error = m_context.connections.escape.append(
        QStringLiteral("qnrCarrierTrackingURL"), {{QStringLiteral("fwTrackID"), clockKey(m_context.services.clock)},
                                                  {QStringLiteral("fwCarrierName"), m_carrier->currentText()},
                                                  {QStringLiteral("fwCarrierTrackURL"), m_address->text()}});
    if (error) {
        reportFailure(m_context.services.dialogs, *error);
        return;
    }
    m_context.services.dialogs.message(TrackingMessages::added, TrackingMessages::addedTitle, MessageIcon::Information);
}

} // namespace qnr::documents
