// Renders each control in each theme to PNG files under the build folder
// (gallery/), so anyone can look at them without a desktop.
#include "CandyButton.h"
#include "RBXRibbon.h"
#include "VEXTitleBar.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QtTest>
#include <QVBoxLayout>

using namespace qnr;

class tst_ControlGallery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void ribbonInEachTheme();
    void candyButtons();
    void titleBar();

private:
    QString file(const QString& name) const;
    QString m_folder;
};

void tst_ControlGallery::initTestCase()
{
    m_folder = GALLERY_FOLDER;
    QVERIFY(QDir().mkpath(m_folder));
}

QString tst_ControlGallery::file(const QString& name) const
{
    const QString suffix = qEnvironmentVariable("GALLERY_SUFFIX");
    return QDir(m_folder).filePath(name + suffix + ".png");
}

void tst_ControlGallery::ribbonInEachTheme()
{
    QStyle* style = QApplication::style();
    const QList<QIcon> icons = {style->standardIcon(QStyle::SP_FileIcon),
                                style->standardIcon(QStyle::SP_DirOpenIcon),
                                style->standardIcon(QStyle::SP_FileDialogNewFolder),
                                style->standardIcon(QStyle::SP_DriveNetIcon),
                                style->standardIcon(QStyle::SP_ComputerIcon),
                                style->standardIcon(QStyle::SP_DialogSaveButton)};
    for (int theme = 0; theme <= 2; ++theme) {
        QWidget host;
        auto* ribbon = new RBXRibbon(&host);
        ribbon->setImageList(icons);
        ribbon->setTheme(theme);
        ribbon->AddTab("1", "Quotation");
        ribbon->AddTab("2", "Warehouse");
        ribbon->AddTab("5", "Options");
        ribbon->AddCat("1", "1", "Create , Modify , List", false);
        ribbon->AddCat("2", "1", "One very large group", true);
        ribbon->AddButton("0", "1", "New", 1, false);
        ribbon->AddButton("1", "1", "Moves/Views", 2, false);
        ribbon->AddButton("3", "1", "Insert Picture", 3, false);
        ribbon->AddButton("4", "1", "Insert\r\nPicture", 4, false);
        ribbon->AddButton("5", "2", "Graph", 5, false);
        ribbon->AddButton("6", "2", "Graph", 6, true);
        ribbon->Refresh();
        const int width = 760;
        ribbon->setGeometry(0, 0, width, ribbon->height());
        host.resize(width, ribbon->height() + 120);
        QPalette pal = host.palette();
        pal.setBrush(QPalette::Window, QBrush(ribbon->LoadBackground()));
        host.setPalette(pal);
        host.setAutoFillBackground(true);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        // Show the hover and highlight pictures on the second button.
        const QPoint target = ribbon->buttonRects("1").first().center();
        QMouseEvent move(QEvent::MouseMove, QPointF(target), ribbon->mapToGlobal(QPointF(target)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ribbon, &move);
        QCOMPARE(ribbon->hoveredButton(), 1);
        const QPixmap shot = host.grab();
        QVERIFY(shot.save(file("ribbon-" + themeName(theme))));
    }
}

void tst_ControlGallery::candyButtons()
{
    QWidget host;
    host.resize(8 * 110 + 10, 4 * 40 + 10);
    QPalette pal = host.palette();
    pal.setColor(QPalette::Window, QColor(240, 240, 240));
    host.setPalette(pal);
    host.setAutoFillBackground(true);
    for (int style = 0; style < 8; ++style) {
        for (int scheme = 0; scheme < 4; ++scheme) {
            auto* b = new CandyButton(&host);
            b->setStyle(style);
            b->setColorScheme(scheme == 0 ? 0 : scheme * 2 - 1);
            b->setCaption(QStringLiteral("Style %1").arg(style));
            if (scheme == 3)
                b->setPicture(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton));
            b->setPictureAlignment(scheme % 4);
            b->setChecked(scheme == 2 && style % 2 == 0);
            b->setGeometry(10 + style * 110, 10 + scheme * 40, 100, 30);
        }
    }
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(host.grab().save(file("candy-buttons")));
}

void tst_ControlGallery::titleBar()
{
    QWidget host;
    host.resize(420, 90);
    auto* bar = new VEXTitleBar(&host);
    bar->setCaption("..:: New Quotation ::..");
    bar->setGeometry(10, 10, 400, bar->height());
    auto* second = new VEXTitleBar(&host);
    second->setCaption("..:: Moves ::..");
    second->setAlignment(Qt::AlignHCenter);
    second->setForeColor(QColor(21, 66, 139));
    second->setBackColor(QColor(222, 234, 249));
    second->setGeometry(10, 50, 400, second->height());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QPoint box = second->closeBoxRect().center();
    QMouseEvent move(QEvent::MouseMove, QPointF(box), second->mapToGlobal(QPointF(box)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(second, &move);
    QVERIFY(second->closeHoverShown());
    QVERIFY(host.grab().save(file("title-bar")));
}

QTEST_MAIN(tst_ControlGallery)
#include "tst_ControlGallery.moc"
