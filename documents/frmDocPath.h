#pragma once

#include "AttachedFiles.h"

#include <AppContext.h>

#include <QWidget>

class QLabel;
class QLineEdit;

namespace qnr::documents {

// The account document of the selected document: shows the recorded file and
// records another one in its place.
class frmDocPath : public QWidget {
    Q_OBJECT
public:
    explicit frmDocPath(AppContext& context, QWidget* parent = nullptr);

public Q_SLOTS:
    void cmdBrowse_Click();
    void cmdSave_Click();

private:
    void lookUp();

    AppContext& m_context;
    AttachedFiles m_files;
    QString m_document; // the selected document when the window opened
    QLabel* m_description;
    QLineEdit* m_fileName;
    QLineEdit* m_path;
};

} // namespace qnr::documents
