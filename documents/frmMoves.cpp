#include "frmMoves.h"

#include "DocumentRows.h"
#include "frmDocPath.h"
#include "MovesQueries.h"

#include <AppInfo.h>
#include <AutoCompleteComboBoxModule.h>
#include <ClockKey.h>
#include <CounterpartyEntry.h>
#include <ListUtilities.h>
#include <ReportList.h>
#include <Twips.h>
#include <VEXTitleBar.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qnr::documents {

namespace {

constexpr const char* kWindow = "frmMoves";

QPushButton* button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLineEdit* lineEdit(const QString& name, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

QLabel* label(const QString& text, const QString& name, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

frmMoves::frmMoves(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_dialogs(context.services.dialogs)
    , m_files(context.connections.escape, context.services.clock)
    , m_details(context.connections.escape, context.services.clock)
{
    setObjectName(QStringLiteral("frmMoves"));
    setWindowTitle(QStringLiteral("Moves"));
    m_titleBar = new VEXTitleBar(this);
    m_titleBar->setCaption(QStringLiteral("..:: Moves ::.."));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("SSTab1"));
    m_pages->addTab(buildControlPage(), QStringLiteral("Document Moves Control"));
    m_pages->addTab(buildItemsPage(), QStringLiteral("Document Items"));
    m_pages->addTab(new QWidget, QStringLiteral("Items Details"));
    m_pages->addTab(buildDetailsPage(), QStringLiteral(" Document Details"));
    m_pages->addTab(buildTab4Page(), QStringLiteral("Tab 4"));
    buildMenus();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_pages, 1);

    // Opening: this month, warehouse documents, sales invoices ticked.
    const QDate today = m_context.services.clock.now().date();
    m_from->setDate(QDate(today.year(), today.month(), 1));
    m_to->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    m_optWarehouse->setChecked(true);
    m_kindsFrame->setEnabled(false);
    m_chkSales->setChecked(true);
    for (Page page : {DocumentItems, ItemsDetails, Details})
        m_pages->setTabEnabled(page, false);
    FillMoves();
    FillDocuments();
    fillCounterparties();
    fillCarriers();
}

QWidget* frmMoves::buildControlPage()
{
    auto* page = new QWidget;
    m_optWarehouse = new QRadioButton(QStringLiteral("Warehouse Documents"), page);
    m_optWarehouse->setObjectName(QStringLiteral("optWarehouse"));
    m_optAll = new QRadioButton(QStringLiteral("All Documents"), page);
    m_optAll->setObjectName(QStringLiteral("optAll"));
    connect(m_optAll, &QRadioButton::toggled, this, [this](bool on) { m_kindsFrame->setEnabled(on); });

    m_kindsFrame = new QGroupBox(QStringLiteral("Type of Documents"), page);
    m_kindsFrame->setObjectName(QStringLiteral("fraDocumentKinds"));
    m_chkSales = new QCheckBox(QStringLiteral("Sales Invoices"), m_kindsFrame);
    m_chkSales->setObjectName(QStringLiteral("chkSales"));
    m_chkDelivery = new QCheckBox(QStringLiteral("Delivery Notes"), m_kindsFrame);
    m_chkDelivery->setObjectName(QStringLiteral("chkDelivery"));
    m_chkPurchase = new QCheckBox(QStringLiteral("Purchase Invoices"), m_kindsFrame);
    m_chkPurchase->setObjectName(QStringLiteral("chkPurchase"));
    auto* kinds = new QVBoxLayout(m_kindsFrame);
    kinds->addWidget(m_chkSales);
    kinds->addWidget(m_chkDelivery);
    kinds->addWidget(m_chkPurchase);

    auto* warehouseFrame = new QGroupBox(QStringLiteral("Type of Documents"), page);
    warehouseFrame->setObjectName(QStringLiteral("fraWarehouseKinds"));
    m_cmbDocuments = new QComboBox(warehouseFrame);
    m_cmbDocuments->setObjectName(QStringLiteral("cmbDocuments"));
    m_cmbDocuments->setMinimumWidth(220);
    installAutoComplete(m_cmbDocuments);
    m_cmbDocuments->lineEdit()->installEventFilter(this);
    m_lblCode = label(QStringLiteral("Label3"), QStringLiteral("lblDocCode"), warehouseFrame);
    m_lblTitle = label(QStringLiteral("Label4"), QStringLiteral("lblDocTitle"), warehouseFrame);
    auto* warehouse = new QGridLayout(warehouseFrame);
    warehouse->addWidget(m_cmbDocuments, 0, 0, 1, 3);
    warehouse->addWidget(m_lblCode, 1, 0);
    warehouse->addWidget(m_lblTitle, 1, 1, 1, 2);
    int column = 0;
    for (const char* name : {"Clients", "Suppliers", "All"}) {
        auto* box = new QCheckBox(QString::fromLatin1(name), warehouseFrame);
        box->setObjectName(QStringLiteral("chk") + QString::fromLatin1(name));
        warehouse->addWidget(box, 2, column++);
    }

    auto* dates = new QGroupBox(QStringLiteral("Date Selection"), page);
    m_from = new QDateEdit(dates);
    m_from->setObjectName(QStringLiteral("DTFrom"));
    m_to = new QDateEdit(dates);
    m_to->setObjectName(QStringLiteral("DTTo"));
    for (QDateEdit* picker : {m_from, m_to}) {
        picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        picker->setCalendarPopup(true);
    }
    auto* datesLayout = new QGridLayout(dates);
    datesLayout->addWidget(m_from, 0, 0);
    datesLayout->addWidget(m_to, 0, 1);
    auto* today = button(QStringLiteral("Today"), QStringLiteral("cmdToday"), dates);
    auto* month = button(QStringLiteral("This Month"), QStringLiteral("cmdThisMonth"), dates);
    auto* year = button(QStringLiteral("This Year"), QStringLiteral("cmdThisYear"), dates);
    auto* go = button(QStringLiteral("Go"), QStringLiteral("cmdGo"), dates);
    datesLayout->addWidget(today, 1, 0);
    datesLayout->addWidget(month, 1, 1);
    datesLayout->addWidget(year, 2, 0);
    datesLayout->addWidget(go, 2, 1);
    connect(today, &QPushButton::clicked, this, &frmMoves::cmdToday_Click);
    connect(month, &QPushButton::clicked, this, &frmMoves::cmdThisMonth_Click);
    connect(year, &QPushButton::clicked, this, &frmMoves::cmdThisYear_Click);
    connect(go, &QPushButton::clicked, this, &frmMoves::FillMoves);

    m_documents = new ReportListView(page);
    m_documents->setObjectName(QStringLiteral("lvEscMoves"));
    m_documents->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_documents, &ReportListView::rowClicked, this, &frmMoves::lvEscMoves_Click);
    connect(m_documents, &ReportListView::rowDoubleClicked, this, &frmMoves::lvEscMoves_DblClick);
    connect(m_documents, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_documentsMenu->popup(m_documents->viewport()->mapToGlobal(at)); });
    m_lblSelected = label(QString(), QStringLiteral("lblSelected"), page);

    auto* modes = new QVBoxLayout;
    modes->addWidget(m_optWarehouse);
    modes->addWidget(m_optAll);
    modes->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(modes);
    top->addWidget(m_kindsFrame);
    top->addWidget(warehouseFrame);
    top->addWidget(dates);
    top->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_documents, 1);
    layout->addWidget(m_lblSelected);
    return page;
}

QWidget* frmMoves::buildItemsPage()
{
    auto* page = new QWidget;
    m_items = new ReportListView(page);
    m_items->setObjectName(QStringLiteral("lvDocItemsDetails"));
    m_items->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_items, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_itemsMenu->popup(m_items->viewport()->mapToGlobal(at)); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_items);
    return page;
}

QWidget* frmMoves::buildDetailsPage()
{
    auto* page = new QWidget;
    m_detailsLine = label(QString(), QStringLiteral("lblDetailsLine"), page);
    QFont bold = m_detailsLine->font();
    bold.setBold(true);
    m_detailsLine->setFont(bold);
    m_txtQNRQT = lineEdit(QStringLiteral("txtQNRQT"), page);
    m_txtSuppQT = lineEdit(QStringLiteral("txtSuppQT"), page);
    m_txtSuppSO = lineEdit(QStringLiteral("txtSuppSO"), page);
    m_txtINVNumber = lineEdit(QStringLiteral("txtINVNumber"), page);
    m_cmbMainCarrier = new QComboBox(page);
    m_cmbMainCarrier->setObjectName(QStringLiteral("cmbMainCarrier"));
    installAutoComplete(m_cmbMainCarrier);
    m_cmbMainCarrier->lineEdit()->installEventFilter(this);
    m_txtMainCarrierAWB = lineEdit(QStringLiteral("txtMainCarrierAWB"), page);
    m_lblDetailsId = label(QString(), QStringLiteral("lblDetailsId"), page);
    m_lblMvId = label(QString(), QStringLiteral("lblMvId"), page);
    m_lblDetailsDate = label(QString(), QStringLiteral("lblDetailsDate"), page);
    m_lblCarrierId = label(QString(), QStringLiteral("lblCarrierId"), page);
    m_lblCarrierName = label(QString(), QStringLiteral("lblCarrierName"), page);

    auto* fields = new QGridLayout;
    int row = 0;
    auto add = [&](const QString& caption, QWidget* field) {
        fields->addWidget(new QLabel(caption, page), row, 0);
        fields->addWidget(field, row++, 1);
    };
    add(QStringLiteral("Our Quotation Number"), m_txtQNRQT);
    add(QStringLiteral("Quote Number"), m_txtSuppQT);
    add(QStringLiteral("Sales Order or P.O"), m_txtSuppSO);
    add(QStringLiteral("Real Invoice Number "), m_txtINVNumber);
    add(QStringLiteral("Carrier"), m_cmbMainCarrier);
    add(QStringLiteral("Waybill Number"), m_txtMainCarrierAWB);
    auto* ids = new QHBoxLayout;
    for (QLabel* l : {m_lblDetailsId, m_lblMvId, m_lblDetailsDate, m_lblCarrierId, m_lblCarrierName})
        ids->addWidget(l);
    fields->addLayout(ids, row++, 0, 1, 2);

    auto* notesFrame = new QGroupBox(QStringLiteral("Details"), page);
    m_txtNotes = new QPlainTextEdit(notesFrame);
    m_txtNotes->setObjectName(QStringLiteral("txtNotes"));
    auto* notesLayout = new QVBoxLayout(notesFrame);
    notesLayout->addWidget(new QLabel(QStringLiteral("Notes and Remarks"), notesFrame));
    notesLayout->addWidget(m_txtNotes);

    m_cmdSave = button(QStringLiteral("Save"), QStringLiteral("cmdSave"), page);
    auto* addCarrier = button(QStringLiteral("Πρόσθεση στην λίστα"), QStringLiteral("cmdAddCarrier"), page);
    auto* track = button(QString(), QStringLiteral("cmdTrack"), page);
    track->setIcon(QApplication::style()->standardIcon(QStyle::SP_ArrowRight));
    track->setToolTip(QStringLiteral("Track Shippement"));
    connect(m_cmdSave, &QPushButton::clicked, this, &frmMoves::cmdSave_Click);
    connect(addCarrier, &QPushButton::clicked, this, &frmMoves::cmdAddCarrier_Click);
    connect(track, &QPushButton::clicked, this, &frmMoves::cmdTrack_Click);

    m_carriers = new ReportListView(page);
    m_carriers->setObjectName(QStringLiteral("lvCarriers"));
    m_carriers->setColumns(carrierColumns());

    auto* filesFrame = new QGroupBox(QStringLiteral("Accosiate Files"), page);
    m_filesList = new ReportListView(filesFrame);
    m_filesList->setObjectName(QStringLiteral("lvFilePath"));
    m_filesList->setColumns(fileColumns());
    connect(m_filesList, &ReportListView::rowClicked, this, &frmMoves::lvFilePath_Click);
    connect(m_filesList, &ReportListView::rowDoubleClicked, this, &frmMoves::lvFilePath_DblClick);
    auto* fileButtons = new QHBoxLayout;
    const std::pair<const char*, const char*> fileCommands[] = {{"Add Files", "cmdAddFiles"},
                                                                {"Clear File List", "cmdClearList"},
                                                                {"Delete File", "cmdDeleteFile"},
                                                                {"Delete Old Files", "cmdDeleteOldFiles"},
                                                                {"Save New Files List", "cmdSaveFiles"}};
    QList<QPushButton*> fileButtonList;
    for (const auto& [caption, name] : fileCommands) {
        auto* b = button(QString::fromLatin1(caption), QString::fromLatin1(name), filesFrame);
        fileButtons->addWidget(b);
        fileButtonList << b;
    }
    connect(fileButtonList[0], &QPushButton::clicked, this, &frmMoves::cmdAddFiles_Click);
    connect(fileButtonList[1], &QPushButton::clicked, this, &frmMoves::cmdClearList_Click);
    connect(fileButtonList[2], &QPushButton::clicked, this, &frmMoves::cmdDeleteFile_Click);
    connect(fileButtonList[3], &QPushButton::clicked, this, &frmMoves::cmdDeleteOldFiles_Click);
    connect(fileButtonList[4], &QPushButton::clicked, this, &frmMoves::cmdSaveFiles_Click);
    auto* filesLayout = new QVBoxLayout(filesFrame);
    filesLayout->addWidget(m_filesList);
    filesLayout->addLayout(fileButtons);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdSave);
    buttons->addWidget(addCarrier);
    buttons->addWidget(track);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(buttons);
    left->addWidget(m_carriers, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(notesFrame, 1);
    right->addWidget(filesFrame, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_detailsLine);
    layout->addLayout(columns, 1);
    return page;
}

QWidget* frmMoves::buildTab4Page()
{
    auto* page = new QWidget;
    m_cmbCounterparty = new QComboBox(page);
    m_cmbCounterparty->setObjectName(QStringLiteral("cmbCounterparty"));
    installAutoComplete(m_cmbCounterparty);
    m_txtLookup = lineEdit(QStringLiteral("txtLookup"), page);
    m_txtAddress = lineEdit(QStringLiteral("txtAddress"), page);
    m_addresses = new ReportListView(page);
    m_addresses->setObjectName(QStringLiteral("lvAddresses"));
    auto* command1 = button(QStringLiteral("Command1"), QStringLiteral("Command1"), page);
    auto* command2 = button(QStringLiteral("Command2"), QStringLiteral("Command2"), page);
    connect(command1, &QPushButton::clicked, this, &frmMoves::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &frmMoves::Command2_Click);
    auto* grid = new QGridLayout(page);
    grid->addWidget(m_cmbCounterparty, 0, 0, 1, 2);
    grid->addWidget(m_txtLookup, 1, 0, 1, 2);
    grid->addWidget(m_txtAddress, 2, 0, 1, 2);
    grid->addWidget(command1, 3, 0);
    grid->addWidget(command2, 3, 1);
    grid->addWidget(m_addresses, 4, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

void frmMoves::buildMenus()
{
    m_documentsMenu = new QMenu(QStringLiteral("Documents"), this);
    m_documentsMenu->setObjectName(QStringLiteral("mnuDocuments"));
    m_documentsMenu->addAction(QStringLiteral("&Show Document"), this, &frmMoves::mnuShowDocument_Click);
    m_documentsMenu->addAction(QStringLiteral("&Document Details"), this, &frmMoves::mnuDocumentDetails_Click);
    m_documentsMenu->addAction(QStringLiteral("Document Items"), this, &frmMoves::mnuDocumentItems_Click);
    QAction* cmr = m_documentsMenu->addAction(QStringLiteral("Print &CMR"));
    m_documentsMenu->setDefaultAction(cmr);
    m_documentsMenu->addAction(QStringLiteral("&Account Balance"));
    m_documentsMenu->addAction(QStringLiteral("Set Document &Path"), this, &frmMoves::mnuSetDocumentPath_Click);

    m_itemsMenu = new QMenu(QStringLiteral("Items"), this);
    m_itemsMenu->setObjectName(QStringLiteral("mnuItems"));
    m_itemsMenu->addAction(QStringLiteral("Items Details"));
    m_itemsMenu->addAction(QStringLiteral("Resize"), this, &frmMoves::mnuResize_Click);
}

void frmMoves::showEvent(QShowEvent* event)
{
    // The window opens at its designed size of 14450 x 9500 twips.
    const QSize designed(twipsToPixelsX(14450, this), twipsToPixelsY(9500, this));
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->resize(designed);
    else if (isWindow())
        resize(designed);
    QWidget::showEvent(event);
}

void frmMoves::report(const data::DbError& error)
{
    reportFailure(m_dialogs, error);
}

bool frmMoves::documentChosen()
{
    if (!m_context.state.selectedDocument.isEmpty())
        return true;
    m_dialogs.message(MovesMessages::noDocument, applicationTitle(), MessageIcon::Information);
    return false;
}

void frmMoves::FillMoves()
{
    QString statement;
    if (m_optAll->isChecked()) {
        const QStringList codes =
            documentCodes(m_chkSales->isChecked(), m_chkDelivery->isChecked(), m_chkPurchase->isChecked());
        if (codes.isEmpty()) {
            m_dialogs.message(MovesMessages::noKind, MovesMessages::noKindTitle, MessageIcon::Exclamation);
            return;
        }
        statement = movesStatement(codes, m_from->date(), m_to->date());
    } else {
        statement = warehouseStatement(m_lblCode->text(), m_from->date(), m_to->date());
    }
    m_lastStatement = statement;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const data::QueryResult result = m_context.connections.escape.select(statement);
    QApplication::restoreOverrideCursor();
    if (!result.ok()) {
        report(*result.error);
        return;
    }
    m_documents->listModel()->clear();
    m_documents->setColumns(movesColumns());
    const QLocale locale;
    m_documents->fill(result.rows.size(), [&](int i) { return movesRow(result.rows.row(i), locale); });
    // Rows of documents without details come red; the last of them ends up selected,
    // as colouring them one after the other leaves it.
    for (int i = m_documents->listModel()->rowCount() - 1; i >= 0; --i) {
        if (m_documents->listModel()->rowAt(i).color == kNoDetailsColor) {
            ColorListRow(m_documents, i + 1, kNoDetailsColor);
            break;
        }
    }
}

void frmMoves::cmdToday_Click()
{
    const QDate today = m_context.services.clock.now().date();
    m_from->setDate(today);
    m_to->setDate(today);
    FillMoves();
}

void frmMoves::cmdThisMonth_Click()
{
    const QDate today = m_context.services.clock.now().date();
    m_from->setDate(QDate(today.year(), today.month(), 1));
    m_to->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    FillMoves();
}

void frmMoves::cmdThisYear_Click()
{
    const QDate today = m_context.services.clock.now().date();
    m_from->setDate(QDate(today.year(), 1, 1));
    m_to->setDate(QDate(today.year(), 12, 31));
    FillMoves();
}

void frmMoves::FillDocuments()
{
    m_cmbDocuments->clear();
    runWithRetry(m_context.errorLog, QString::fromLatin1(kWindow), QStringLiteral("FillDocuments"),
                 [this]() -> data::MaybeError {
                     const data::QueryResult kinds = m_context.connections.escape.select(warehouseKindsStatement());
                     if (!kinds.ok())
                         return kinds.error;
                     for (const data::Row row : kinds.rows) {
                         QString code = row.text(QStringLiteral("ParastCod"));
                         while (code.startsWith(QLatin1Char(' ')))
                             code.remove(0, 1);
                         m_cmbDocuments->addItem(
                             counterpartyEntryWithDash(row.text(QStringLiteral("ParastTitle")), code));
                     }
                     return std::nullopt;
                 });
    m_cmbDocuments->setCurrentIndex(-1);
}

void frmMoves::cmbDocuments_LostFocus()
{
    const QString text = m_cmbDocuments->currentText();
    if (text.isEmpty())
        return;
    const auto parsed = readCounterpartyEntry(text, m_dialogs);
    if (!parsed) {
        // Logged without a third message: the user has just been told.
        m_context.errorLog.LogError(false, QStringLiteral("5"), QStringLiteral("Invalid procedure call or argument"),
                                    QString::fromLatin1(kWindow), QStringLiteral("cmbDocuments_LostFocus"));
        return;
    }
    m_lblCode->setText(parsed->id);
    m_lblTitle->setText(parsed->name);
}

void frmMoves::fillCounterparties()
{
    m_cmbCounterparty->clear();
    const data::QueryResult logs = m_context.connections.escape.select(counterpartiesStatement());
    if (!logs.ok()) {
        report(*logs.error);
        return;
    }
    QStringList lines;
    for (const data::Row row : logs.rows)
        lines
            << (row.text(QStringLiteral("LogEpon")) + QLatin1Char(' ') + row.text(QStringLiteral("LogAFM"))).trimmed();
    m_cmbCounterparty->addItems(lines);
    m_cmbCounterparty->setCurrentIndex(-1);
}

void frmMoves::fillCarriers()
{
    m_cmbMainCarrier->clear();
    const data::QueryResult types = m_context.connections.escape.select(sendTypesStatement());
    if (!types.ok()) {
        report(*types.error);
        return;
    }
    for (const data::Row row : types.rows)
        m_cmbMainCarrier->addItem(
            carrierEntry(row.text(QStringLiteral("SendTypeDescr")), row.id(QStringLiteral("SendTypeId"))));
    m_cmbMainCarrier->setCurrentIndex(-1);
}

void frmMoves::clearDetailsPage()
{
    for (QLineEdit* box : {m_txtQNRQT, m_txtSuppQT, m_txtSuppSO, m_txtINVNumber, m_txtMainCarrierAWB})
        box->clear();
    m_txtNotes->clear();
    m_cmbMainCarrier->setCurrentIndex(-1);
    m_cmbMainCarrier->setEditText(QString());
    for (QLabel* l : {m_lblDetailsId, m_lblMvId, m_lblDetailsDate, m_lblCarrierId, m_lblCarrierName})
        l->clear();
    m_filesList->listModel()->clear();
    m_clickedFile = -1;
    m_clickedFilePath.clear();
    m_loaded.reset();
    m_cmdSave->setText(QStringLiteral("Save"));
}

void frmMoves::lvEscMoves_Click(int row)
{
    if (row < 0 || row >= m_documents->listModel()->rowCount())
        return;
    m_clickedRow = row;
    const ReportListModel* model = m_documents->listModel();
    m_counterparty = model->text(row, MovesColumn::LogId);
    const QString mvId = model->text(row, MovesColumn::MvId);
    if (mvId != m_context.state.selectedDocument)
        clearDetailsPage(); // the page belongs to the document it was loaded for
    m_context.state.selectedDocument = mvId;
    m_lblSelected->setText(m_counterparty + QLatin1Char(' ') + mvId);
    m_detailsLine->setText(
        QStringList{model->text(row, MovesColumn::Date).trimmed(), model->text(row, MovesColumn::Doc).trimmed(),
                    model->text(row, MovesColumn::Number).trimmed(), model->text(row, MovesColumn::Company).trimmed()}
            .join(QStringLiteral(" - ")));
}

void frmMoves::lvEscMoves_DblClick(int row)
{
    lvEscMoves_Click(row);
    m_txtAddress->clear();
    lookupCounterparty(false);
}

void frmMoves::lookupCounterparty(bool dashed)
{
    const auto statement = counterpartyStatement(m_counterparty);
    if (!statement)
        return;
    const data::QueryResult found = m_context.connections.escape.select(*statement);
    if (!found.ok()) {
        report(*found.error);
        return;
    }
    for (const data::Row row : found.rows) {
        const QString id = row.id(QStringLiteral("LogId"));
        const QString name = row.text(QStringLiteral("LogEpon"));
        const QString vat = row.text(QStringLiteral("LogAFM"));
        m_txtLookup->setText(dashed ? name + QStringLiteral(" - ") + vat + QStringLiteral(" - ") + m_counterparty
                                    : id + QLatin1Char(' ') + name + QLatin1Char(' ') + vat);
    }
}

void frmMoves::Command1_Click()
{
    m_txtAddress->clear();
    lookupCounterparty(true);
}

void frmMoves::Command2_Click()
{
    if (m_counterparty.isEmpty())
        return;
    const data::QueryResult found = m_context.connections.escape.select(addressesStatement(m_counterparty));
    if (!found.ok()) {
        report(*found.error);
        return;
    }
    m_addresses->listModel()->clear();
    m_addresses->setColumns(addressColumns());
    m_addresses->fill(found.rows.size(), [&](int i) { return addressRow(found.rows.row(i)); });
    for (const data::Row row : found.rows)
        m_txtAddress->setText(addressText(row));
}

void frmMoves::showPage(Page page)
{
    m_pages->setTabEnabled(page, true);
    m_pages->setCurrentIndex(page);
}

void frmMoves::mnuShowDocument_Click()
{
    if (!documentChosen())
        return;
    std::optional<FileLine> document;
    if (auto error = m_files.loadAccountDocument(m_context.state.selectedDocument, document)) {
        report(*error);
        return;
    }
    if (!document || document->path.trimmed().isEmpty()) {
        m_dialogs.message(QStringLiteral("No account document is recorded for this document."), applicationTitle(),
                          MessageIcon::Information);
        return;
    }
    openStoredPath(document->path);
}

void frmMoves::openStoredPath(const QString& stored)
{
    // Paths stored from Windows workstations reach the disk through the mapped drives.
    const auto path = m_context.drives.existing(stored);
    if (!path) {
        m_dialogs.message(FileMessages::notFound.arg(stored), applicationTitle(), MessageIcon::Exclamation);
        return;
    }
    m_context.services.shell.open(*path);
}

void frmMoves::mnuDocumentItems_Click()
{
    showPage(DocumentItems);
    if (!documentChosen())
        return;
    const auto statement = documentItemsStatement(m_context.state.selectedDocument);
    if (!statement)
        return;
    const data::QueryResult lines = m_context.connections.escape.select(*statement);
    if (!lines.ok()) {
        report(*lines.error);
        return;
    }
    m_items->listModel()->clear();
    m_items->setColumns(itemColumns());
    const QLocale locale;
    m_items->fill(lines.rows.size(), [&](int i) { return itemRow(lines.rows.row(i), locale); });
}

void frmMoves::mnuResize_Click()
{
    LV_AutoSizeColumn(m_items);
    // Headers count too.
    QHeaderView* header = m_items->header();
    for (int c = 0; c < m_items->listModel()->columnCount(); ++c) {
        const int headerWidth =
            header->fontMetrics().horizontalAdvance(m_items->listModel()->headerData(c, Qt::Horizontal).toString()) +
            16;
        if (header->sectionSize(c) < headerWidth)
            header->resizeSection(c, headerWidth);
    }
}

void frmMoves::mnuSetDocumentPath_Click()
{
    if (!documentChosen())
        return;
    if (m_docPath) {
        m_docPath->raise();
        m_docPath->activateWindow();
        return;
    }
    m_docPath = new frmDocPath(m_context, this);
    m_docPath->setWindowFlag(Qt::Window);
    m_docPath->setAttribute(Qt::WA_DeleteOnClose);
    m_docPath->show();
}

void frmMoves::mnuDocumentDetails_Click()
{
    showPage(Details);
    if (!documentChosen())
        return;
    const QString mvId = m_context.state.selectedDocument;
    bool has = false;
    if (auto error = m_details.hasDetails(mvId, has)) {
        report(*error);
        return;
    }
    if (!has) {
        m_dialogs.message(DetailsMessages::hasNot, DetailsMessages::title, MessageIcon::Information);
        return;
    }
    m_dialogs.message(DetailsMessages::has, DetailsMessages::title, MessageIcon::Information);
    m_cmdSave->setText(QStringLiteral("Update"));
    std::optional<DetailsValues> values;
    if (auto error = m_details.load(mvId, values)) {
        report(*error);
        return;
    }
    if (values) {
        m_loaded = values;
        m_lblDetailsId->setText(values->detailsId);
        m_lblMvId->setText(values->mvId);
        m_lblDetailsDate->setText(values->detailsDate);
        m_txtSuppSO->setText(values->suppSO);
        m_txtSuppQT->setText(values->suppQT);
        m_txtQNRQT->setText(values->quinorQT);
        m_txtINVNumber->setText(values->invoiceNumber);
        m_txtMainCarrierAWB->setText(values->mainCarrierAWB);
        m_txtNotes->setPlainText(values->notes);
        m_cmbMainCarrier->setEditText(values->mainCarrier);
    }
    ReloadFiles();
}

DetailsValues frmMoves::pageValues() const
{
    DetailsValues v;
    v.suppSO = m_txtSuppSO->text();
    v.suppQT = m_txtSuppQT->text();
    v.quinorQT = m_txtQNRQT->text();
    v.invoiceNumber = m_txtINVNumber->text();
    v.mainCarrier = m_cmbMainCarrier->currentText();
    v.mainCarrierAWB = m_txtMainCarrierAWB->text();
    v.notes = m_txtNotes->toPlainText();
    return v;
}

void frmMoves::cmdSave_Click()
{
    if (!documentChosen())
        return;
    if (!saveFilesList())
        return;
    const QString mvId = m_context.state.selectedDocument;
    if (!m_loaded) {
        DetailsValues stored;
        if (auto error = m_details.add(mvId, pageValues(), stored)) {
            report(*error);
            return;
        }
        // The page now holds the row it added: the next press updates it.
        m_loaded = stored;
        m_lblDetailsId->setText(stored.detailsId);
        m_lblMvId->setText(stored.mvId);
        m_lblDetailsDate->setText(stored.detailsDate);
        m_cmdSave->setText(QStringLiteral("Update"));
        if (m_clickedRow >= 0 && m_clickedRow < m_documents->listModel()->rowCount() &&
            m_documents->listModel()->text(m_clickedRow, MovesColumn::MvId) == mvId)
            m_documents->listModel()->setRowColor(m_clickedRow, QColor());
        m_dialogs.message(DetailsMessages::added, DetailsMessages::title, MessageIcon::Information);
        return;
    }
    if (auto error = m_details.update(*m_loaded, pageValues())) {
        report(*error);
        return;
    }
    m_dialogs.message(DetailsMessages::changed, DetailsMessages::title, MessageIcon::Information);
}

void frmMoves::cmbMainCarrier_LostFocus()
{
    const QString text = m_cmbMainCarrier->currentText();
    if (text.isEmpty())
        return;
    const auto parsed = readCounterpartyEntry(text, m_dialogs);
    if (!parsed)
        return;
    m_lblCarrierId->setText(parsed->id);
    m_lblCarrierName->setText(parsed->name);
}

void frmMoves::cmdAddCarrier_Click()
{
    m_carriers->setColumns(carrierColumns());
    m_carriers->listModel()->appendRow(ReportRow{{clockKey(m_context.services.clock), m_lblCarrierId->text(),
                                                  m_lblCarrierName->text(), m_txtMainCarrierAWB->text()},
                                                 {},
                                                 {},
                                                 {}});
}

void frmMoves::cmdTrack_Click()
{
    const QString waybill = m_txtMainCarrierAWB->text().trimmed();
    if (waybill.isEmpty()) {
        m_dialogs.message(DetailsMessages::noWaybill, applicationTitle(), MessageIcon::Information);
        return;
    }
    QString address;
    if (auto error = m_details.trackingAddress(m_cmbMainCarrier->currentText(), waybill, address)) {
        report(*error);
        return;
    }
    m_context.services.shell.open(address);
}

std::vector<FileLine> frmMoves::fileLines() const
{
    std::vector<FileLine> lines;
    const ReportListModel* model = m_filesList->listModel();
    for (int i = 0; i < model->rowCount(); ++i)
        lines.push_back(fileLineOf(model->rowAt(i)));
    return lines;
}

void frmMoves::ReloadFiles()
{
    std::vector<FileLine> lines;
    if (auto error = m_files.load(m_context.state.selectedDocument, lines)) {
        report(*error);
        return;
    }
    m_filesList->listModel()->clear();
    m_filesList->setColumns(fileColumns());
    for (const FileLine& line : lines)
        m_filesList->listModel()->appendRow(fileRow(line));
    m_clickedFile = -1;
    m_clickedFilePath.clear();
}

void frmMoves::cmdAddFiles_Click()
{
    if (!documentChosen())
        return;
    const std::optional<QString> file =
        m_dialogs.openFile(QStringLiteral("Add Files"), QStringLiteral("All files (*)"));
    if (!file)
        return; // a cancelled dialog adds no line
    const QString description =
        m_dialogs.input(FileMessages::descriptionPrompt, FileMessages::descriptionTitle).value_or(QString());
    m_filesList->listModel()->appendRow(fileRow(m_files.newLine(*file, description)));
}

void frmMoves::cmdClearList_Click()
{
    const int row = m_filesList->selectedRow();
    if (row < 0)
        return;
    if (m_dialogs.message(FileMessages::areYouSure, applicationTitle(), MessageIcon::Question, MessageButtons::YesNo,
                          Answer::No) != Answer::Yes)
        return;
    m_filesList->listModel()->removeRow(row);
    m_clickedFile = -1;
    m_clickedFilePath.clear();
}

void frmMoves::cmdDeleteFile_Click()
{
    if (!documentChosen())
        return;
    if (m_clickedFile < 0 || m_clickedFile >= m_filesList->listModel()->rowCount()) {
        m_dialogs.message(FileMessages::chooseLine, applicationTitle(), MessageIcon::Information);
        return;
    }
    const FileLine line = fileLineOf(m_filesList->listModel()->rowAt(m_clickedFile));
    if (auto error = m_files.deleteLine(m_context.state.selectedDocument, line)) {
        report(*error);
        return;
    }
    m_dialogs.message(FileMessages::deleted, FileMessages::deletedTitle, MessageIcon::Information);
    ReloadFiles();
}

void frmMoves::cmdDeleteOldFiles_Click()
{
    if (!documentChosen())
        return;
    if (auto error = m_files.deleteOldFiles(m_context.state.selectedDocument)) {
        report(*error);
        return;
    }
    m_dialogs.message(FileMessages::deleted, FileMessages::deletedTitle, MessageIcon::Information);
}

void frmMoves::cmdSaveFiles_Click()
{
    saveFilesList();
}

bool frmMoves::saveFilesList()
{
    if (!documentChosen())
        return false;
    if (auto error = m_files.saveMovesFiles(m_context.state.selectedDocument, fileLines())) {
        report(*error);
        return false;
    }
    m_dialogs.message(FileMessages::deleted, FileMessages::deletedTitle, MessageIcon::Information);
    m_dialogs.message(FileMessages::added, FileMessages::addedTitle, MessageIcon::Information);
    return true;
}

void frmMoves::lvFilePath_Click(int row)
{
    m_clickedFile = row;
    m_clickedFilePath = m_filesList->listModel()->text(row, 4);
}

void frmMoves::lvFilePath_DblClick(int row)
{
    lvFilePath_Click(row);
    if (m_clickedFilePath.trimmed().isEmpty())
        return;
    openStoredPath(m_clickedFilePath);
}

bool frmMoves::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Moving between the combo and its own edit field is no leaving.
        QWidget* focus = QApplication::focusWidget();
        if (watched == m_cmbDocuments->lineEdit() && focus != m_cmbDocuments)
            cmbDocuments_LostFocus();
        if (watched == m_cmbMainCarrier->lineEdit() && focus != m_cmbMainCarrier)
            cmbMainCarrier_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qnr::documents
