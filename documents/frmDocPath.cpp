#include "frmDocPath.h"

#include "MovesQueries.h"

#include <AppInfo.h>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace qnr::documents {

frmDocPath::frmDocPath(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_files(context.connections.escape, context.services.clock)
    , m_document(context.state.selectedDocument)
{
    setObjectName(QStringLiteral("frmDocPath"));
    setWindowTitle(QStringLiteral("Document Path"));
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("lblDescription"));
    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("txtDocFileName"));
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("txtDocPath"));
    auto* browse = new QPushButton(this);
    browse->setObjectName(QStringLiteral("cmdBrowse"));
    browse->setIcon(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon));
    browse->setToolTip(QStringLiteral("Browse"));
    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("cmdSave"));
    save->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton));
    save->setToolTip(QStringLiteral("Save"));
    connect(browse, &QPushButton::clicked, this, &frmDocPath::cmdBrowse_Click);
    connect(save, &QPushButton::clicked, this, &frmDocPath::cmdSave_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_description, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Document Path"), this), 1, 0);
    grid->addWidget(m_fileName, 1, 1, 1, 2);
    grid->addWidget(m_path, 2, 1, 1, 2);
    grid->addWidget(browse, 3, 1, Qt::AlignRight);
    grid->addWidget(save, 3, 2, Qt::AlignLeft);
    resize(520, 160);
    lookUp();
}

void frmDocPath::lookUp()
{
    std::optional<FileLine> document;
    if (auto error = m_files.loadAccountDocument(m_document, document)) {
        reportFailure(m_context.services.dialogs, *error);
        return;
    }
    if (!document)
        return;
    m_description->setText(document->description);
    m_fileName->setText(document->fileName);
    m_path->setText(document->path);
}

void frmDocPath::cmdBrowse_Click()
{
    Dialogs& dialogs = m_context.services.dialogs;
    const std::optional<QString> file =
        dialogs.openFile(QStringLiteral("Document Path"), QStringLiteral("All files (*)"));
    if (!file)
        return;
    const QString description =
        dialogs.input(FileMessages::descriptionPrompt, FileMessages::descriptionTitle).value_or(QString());
    m_fileName->setText(fileNameOf(*file));
    m_path->setText(*file);
    m_description->setText(description);
}

void frmDocPath::cmdSave_Click()
{
    Dialogs& dialogs = m_context.services.dialogs;
    if (m_document.isEmpty()) {
        dialogs.message(MovesMessages::noDocument, applicationTitle(), MessageIcon::Information);
        return;
    }
    const FileLine document{QString(), FileFamily::accountCode, m_description->text(), m_fileName->text(),
                            m_path->text()};
    if (auto error = m_files.saveAccountDocument(m_document, document)) {
        reportFailure(dialogs, *error);
        return;
    }
    dialogs.message(FileMessages::deleted, FileMessages::deletedTitle, MessageIcon::Information);
    dialogs.message(FileMessages::added, FileMessages::addedTitle, MessageIcon::Information);
    close();
}

} // namespace qnr::documents
