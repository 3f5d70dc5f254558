#pragma once

#include "AttachedFiles.h"
#include "DocumentDetails.h"
#include "frmDocPath.h"

#include <AppContext.h>

#include <optional>
#include <QDate>
#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qnr {
class ReportListView;
class VEXTitleBar;
} // namespace qnr

namespace qnr::documents {

// The documents browser: the Escape documents of a period with their amounts, and
// per document its item lines, shipping details, attached files and account document.
class frmMoves : public QWidget {
    Q_OBJECT
public:
    enum Page { MovesControl = 0, DocumentItems = 1, ItemsDetails = 2, Details = 3, Tab4 = 4 };

    explicit frmMoves(AppContext& context, QWidget* parent = nullptr);

    QTabWidget* pages() const { return m_pages; }
    ReportListView* documentsList() const { return m_documents; }
    QMenu* documentsMenu() const { return m_documentsMenu; }
    QMenu* itemsMenu() const { return m_itemsMenu; }
    const QString& currentCounterparty() const { return m_counterparty; }
    QString lastStatement() const { return m_lastStatement; }
    frmDocPath* documentPathWindow() const { return m_docPath; }

public Q_SLOTS:
    void FillMoves();
    void cmdToday_Click();
    void cmdThisMonth_Click();
    void cmdThisYear_Click();
    void lvEscMoves_Click(int row);
    void lvEscMoves_DblClick(int row);
    void mnuShowDocument_Click();
    void mnuDocumentDetails_Click();
    void mnuDocumentItems_Click();
    void mnuSetDocumentPath_Click();
    void mnuResize_Click();
    void cmbDocuments_LostFocus();

    // Files of the details page.
    void ReloadFiles();
    void cmdAddFiles_Click();
    void cmdClearList_Click();
    void cmdDeleteFile_Click();
    void cmdDeleteOldFiles_Click();
    void cmdSaveFiles_Click();
    void lvFilePath_Click(int row);
    void lvFilePath_DblClick(int row);

    // Details and shipping.
    void cmdSave_Click();
    void cmbMainCarrier_LostFocus();
    void cmdAddCarrier_Click();
    void cmdTrack_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildControlPage();
    QWidget* buildItemsPage();
    QWidget* buildDetailsPage();
    QWidget* buildTab4Page();
    void buildMenus();
    void FillDocuments();
    void fillCounterparties();
    void fillCarriers();
    void clearDetailsPage();
    void showPage(Page page);
    // A database failure the window does not retry: said in plain words.
    void report(const data::DbError& error);
    bool documentChosen();
    std::vector<FileLine> fileLines() const;
    DetailsValues pageValues() const;
    void lookupCounterparty(bool dashed);
    bool saveFilesList();
    void openStoredPath(const QString& stored);

    AppContext& m_context;
    Dialogs& m_dialogs;
    AttachedFiles m_files;
    DocumentDetails m_details;

    VEXTitleBar* m_titleBar;
    QTabWidget* m_pages;
    // Documents page
    QRadioButton* m_optWarehouse;
    QRadioButton* m_optAll;
    QGroupBox* m_kindsFrame;
    QCheckBox* m_chkSales;
    QCheckBox* m_chkDelivery;
    QCheckBox* m_chkPurchase;
    QComboBox* m_cmbDocuments;
    QLabel* m_lblCode;
    QLabel* m_lblTitle;
    QDateEdit* m_from;
    QDateEdit* m_to;
    ReportListView* m_documents;
    QLabel* m_lblSelected;
    QMenu* m_documentsMenu;
    QMenu* m_itemsMenu;
    // Items page
    ReportListView* m_items;
    // Details page
    QLabel* m_detailsLine;
    QLineEdit* m_txtQNRQT;
    QLineEdit* m_txtSuppQT;
    QLineEdit* m_txtSuppSO;
    QLineEdit* m_txtINVNumber;
    QComboBox* m_cmbMainCarrier;
    QLineEdit* m_txtMainCarrierAWB;
    QPlainTextEdit* m_txtNotes;
    QLabel* m_lblDetailsId;
    QLabel* m_lblMvId;
    QLabel* m_lblDetailsDate;
    QLabel* m_lblCarrierId;
    QLabel* m_lblCarrierName;
    QPushButton* m_cmdSave;
    ReportListView* m_carriers;
    ReportListView* m_filesList;
    // Tab 4
    QComboBox* m_cmbCounterparty;
    QLineEdit* m_txtLookup;
    QLineEdit* m_txtAddress;
    ReportListView* m_addresses;

    int m_clickedRow = -1;
    QString m_counterparty;
    int m_clickedFile = -1;
    QString m_clickedFilePath;
    std::optional<DetailsValues> m_loaded;
    QString m_lastStatement;
    QPointer<frmDocPath> m_docPath;
};

} // namespace qnr::documents
