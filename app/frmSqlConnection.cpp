#include "frmSqlConnection.h"

#include "AppInfo.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qnr {

namespace {

constexpr int kGroupWidthTwips = 2300;
constexpr int kGroupTopTwips = 90;
constexpr int kNarrowWidthTwips = 2470;
constexpr int kWideWidthTwips = 7400;

} // namespace

frmSqlConnection::frmSqlConnection(const AppSettings& held, AppConnections& connections, Dialogs& dialogs,
                                   QString programFolder, std::function<void()> endProgram, QWidget* parent)
    : QWidget(parent)
    , m_held(held)
    , m_connections(connections)
    , m_dialogs(dialogs)
    , m_programFolder(std::move(programFolder))
    , m_endProgram(std::move(endProgram))
{
    setObjectName(QStringLiteral("frmSqlConnection"));
    setWindowTitle(QStringLiteral("Σύνδεση με Sql"));

    const QStringList plainLabels = {"TermId",       "TermAway",     "TermServer", "TermUserName",
                                     "TermPassword", "TermDatabase", "TermTimeOut"};
    const QStringList greekLabels = {
        "Αριθμός Τερματικού", "Απομακρυσμένο", "Διακομιστής ( Server )", "Χρήστης", "Κωδικός Πρόσβασης",
        "Βάση Δεδομένων",     "TimeOut"};
    QGroupBox* first =
        buildGroup(QStringLiteral("Σύνδεση SQL "), QStringLiteral("txt"), plainLabels, held.vOffice, m_vOffice, 60);
    buildGroup(QStringLiteral("Σύνδεση Escape SQL "), QStringLiteral("txtEsc"), greekLabels, held.escape, m_escape,
               60 + kGroupWidthTwips + 160);
    buildGroup(QStringLiteral("Σύνδεση LoMag SQL "), QStringLiteral("txtLog"), greekLabels, held.lomag, m_lomag,
               60 + 2 * (kGroupWidthTwips + 160));

    const int buttonTop = first->geometry().bottom() + twipsToPixelsY(120, this);
    auto* test = new QPushButton(QStringLiteral("Test"), this);
    test->setObjectName(QStringLiteral("cmdTest"));
    auto* save = new QPushButton(QStringLiteral("Update/Save"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    const int buttonWidth = (first->width() - twipsToPixelsX(60, this)) / 2;
    test->setGeometry(first->x(), buttonTop, buttonWidth, test->sizeHint().height());
    save->setGeometry(first->geometry().right() - buttonWidth + 1, buttonTop, buttonWidth, save->sizeHint().height());
    connect(test, &QPushButton::clicked, this, &frmSqlConnection::cmdTest_Click);
    connect(save, &QPushButton::clicked, this, &frmSqlConnection::cmdSave_Click);

    const int width = twipsToPixelsX(held.Escape == QLatin1String("0") ? kNarrowWidthTwips : kWideWidthTwips, this);
    setFixedSize(width, test->geometry().bottom() + twipsToPixelsY(120, this));
}

QGroupBox* frmSqlConnection::buildGroup(const QString& title, const QString& prefix, const QStringList& labels,
                                        const TerminalSettings& values, Boxes& boxes, int leftTwips)
{
    auto* group = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    const QStringList keys = {"TermId",       "TermAway",     "TermServer", "TermUserName",
                              "TermPassword", "TermDatabase", "TermTimeOut"};
    const QStringList texts = {values.TermId,       values.TermAway,     values.TermServer, values.TermUserName,
                               values.TermPassword, values.TermDatabase, values.TermTimeOut};
    QLineEdit** targets[] = {&boxes.TermId,       &boxes.TermAway,     &boxes.TermServer, &boxes.TermUserName,
                             &boxes.TermPassword, &boxes.TermDatabase, &boxes.TermTimeOut};
    for (int i = 0; i < keys.size(); ++i) {
        layout->addWidget(new QLabel(labels[i], group));
        auto* box = new QLineEdit(texts[i], group);
        box->setObjectName(prefix + keys[i]);
        if (keys[i] == QLatin1String("TermPassword"))
            box->setEchoMode(QLineEdit::Password);
        layout->addWidget(box);
        *targets[i] = box;
    }
    group->setGeometry(twipsToPixelsX(leftTwips, this), twipsToPixelsY(kGroupTopTwips, this),
                       twipsToPixelsX(kGroupWidthTwips, this), group->sizeHint().height());
    return group;
}

TerminalSettings frmSqlConnection::valuesOf(const Boxes& boxes, const TerminalSettings& held) const
{
    TerminalSettings s;
    s.TermId = boxes.TermId->text();
    s.TermAway = boxes.TermAway->text();
    s.TermDbType = held.TermDbType;
    s.TermServer = boxes.TermServer->text();
    s.TermUserName = boxes.TermUserName->text();
    s.TermPassword = boxes.TermPassword->text();
    s.TermDatabase = boxes.TermDatabase->text();
    s.TermTimeOut = boxes.TermTimeOut->text();
    return s;
}

SectionValues frmSqlConnection::boxValues() const
{
    return {valuesOf(m_vOffice, m_held.vOffice), valuesOf(m_escape, m_held.escape), valuesOf(m_lomag, m_held.lomag)};
}

void frmSqlConnection::cmdTest_Click()
{
    const SettingsReport report = testConnections(boxValues(), m_held, m_connections, m_programFolder);
    m_dialogs.message(report.text, applicationTitle(), report.icon);
}

void frmSqlConnection::cmdSave_Click()
{
    if (!saveConnectionSettings(m_held.configPath, boxValues())) {
        m_dialogs.message(QStringLiteral("The settings could not be written to %1.").arg(m_held.configPath),
                          applicationTitle(), MessageIcon::Critical);
        return;
    }
    m_dialogs.message(ConnectionSettingsMessages::saved, applicationTitle(), MessageIcon::Exclamation);
    if (m_endProgram)
        m_endProgram();
}

} // namespace qnr
