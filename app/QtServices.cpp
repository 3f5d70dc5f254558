#include "QtServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace qnr {

namespace {

QMessageBox::StandardButton toButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

Answer QtDialogs::message(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                          Answer defaultAnswer)
{
    QMessageBox box(QApplication::activeWindow());
    // Messages break lines with CR or CR LF, as the program has always written them.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(caption);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(toButton(defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::openFile(const QString& title, const QString& filter, const QString& startFolder)
{
    const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startFolder, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

bool DesktopShell::open(const QString& fileOrAddress)
{
    const QUrl url = QUrl::fromUserInput(fileOrAddress, QString(), QUrl::AssumeLocalFile);
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::openFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace qnr
