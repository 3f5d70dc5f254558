#include "INIhandling.h"
#include "Settings.h"
#include "TempFolder.h"

#include <QtTest>

using namespace qnr;
using qnr::test::TempFolder;

class tst_IniHandling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultFileIsWrittenByteForByte();
    void existingFileIsNotReplaced();
    void read_data();
    void read();
    void readMissingFileGivesEmptyText();
    void write_data();
    void write();
    void writeCreatesTheFile();
    void settingsAreReadFromTheFile();
    void syrtNumber_data();
    void syrtNumber();
};

void tst_IniHandling::defaultFileIsWrittenByteForByte()
{
    TempFolder folder;
    const QString path = configPathIn(folder.path());
    QVERIFY(ensureConfigFile(path));
    const QByteArray expected = "[vOffice Terminal Settings]\r\nTermId=1\r\nTermAway=0\r\nTermDbType=SQL\r\n"
                                "TermServer=LocalHost\r\nTermUserName=sa\r\nTermPassword=qa\r\n"
                                "TermDatabase=vOffice\r\nTermTimeOut=10\r\n\r\n"
                                "[rIduza Terminal Settings]\r\nTermId=1\r\nTermAway=0\r\nTermDbType=SQL\r\n"
                                "TermServer=LocalHost\r\nTermUserName=sa\r\nTermPassword=qa\r\n"
                                "TermDatabase=ESC_STK001\r\nTermTimeOut=10\r\n\r\n"
                                "[General]\r\nTipOfTheDay=0\r\nEscape=0\r\nSyrtNumber=2\r\n\r\n"
                                "[Login Settings]\r\nUsername=Tomrik\r\nPass=8067\r\nUserLevel=1\r\nUserSave=1\r\n";
    QCOMPARE(folder.read("Config.ini"), expected);
    QCOMPARE(expected.count("\r\n"), 30);
}

void tst_IniHandling::existingFileIsNotReplaced()
{
    TempFolder folder;
    folder.write("Config.ini", "[General]\r\nEscape=1\r\n");
    QVERIFY(ensureConfigFile(folder.file("Config.ini")));
    QCOMPARE(folder.read("Config.ini"), QByteArray("[General]\r\nEscape=1\r\n"));
}

void tst_IniHandling::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray file = "[General]\r\nEscape = 1 \r\nLomag=\r\n\r\n[Other]\r\nEscape=2\r\n";
    QTest::newRow("exact") << file << "General"
                           << "Escape"
                           << "1";
    QTest::newRow("section and key case ignored") << file << "gEnErAl"
                                                  << "ESCAPE"
                                                  << "1";
    QTest::newRow("second section") << file << "Other"
                                    << "escape"
                                    << "2";
    QTest::newRow("empty value") << file << "General"
                                 << "Lomag"
                                 << "";
    QTest::newRow("missing key") << file << "General"
                                 << "TipOfTheDay"
                                 << "";
    QTest::newRow("missing section") << file << "Lomag Terminal Settings"
                                     << "TermId"
                                     << "";
    QTest::newRow("LF endings") << QByteArray("[A]\nk=v\n") << "A"
                                << "k"
                                << "v";
    QTest::newRow("no final line ending") << QByteArray("[A]\r\nk=last") << "A"
                                          << "k"
                                          << "last";
    QTest::newRow("quoted value") << QByteArray("[A]\r\nk=\"x y\"\r\n") << "A"
                                  << "k"
                                  << "x y";
    QTest::newRow("blank around section name") << QByteArray("[ A ]\r\nk=v\r\n") << "A"
                                               << "k"
                                               << "v";
    QTest::newRow("value with equals sign") << QByteArray("[A]\r\nk=a=b\r\n") << "A"
                                            << "k"
                                            << "a=b";
    const QByteArray longValue(300, 'x');
    QTest::newRow("300 characters cut to 254") << QByteArray("[A]\r\nk=" + longValue + "\r\n") << "A"
                                               << "k" << QString(254, QLatin1Char('x'));
}

void tst_IniHandling::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TempFolder folder;
    folder.write("Config.ini", content);
    QCOMPARE(ReadIniValue(section, key, folder.file("Config.ini")), expected);
}

void tst_IniHandling::readMissingFileGivesEmptyText()
{
    TempFolder folder;
    QCOMPARE(ReadIniValue("General", "Escape", folder.file("none.ini")), QString());
    QVERIFY(!FileExists(folder.file("none.ini")));
}

void tst_IniHandling::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray file = "; comment\r\n[A]\r\nTermTimeOut=10\r\nx=1\r\n\r\n[B]\r\ny=2\r\n";
    QTest::newRow("replace in place, key spelt as in the file")
        << file << "a"
        << "TermTimeout"
        << "30" << QByteArray("; comment\r\n[A]\r\nTermTimeOut=30\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    QTest::newRow("new key at the end of its section")
        << file << "A"
        << "z"
        << "9" << QByteArray("; comment\r\n[A]\r\nTermTimeOut=10\r\nx=1\r\nz=9\r\n\r\n[B]\r\ny=2\r\n");
    QTest::newRow("new key in the last section")
        << file << "B"
        << "w"
        << "" << QByteArray("; comment\r\n[A]\r\nTermTimeOut=10\r\nx=1\r\n\r\n[B]\r\ny=2\r\nw=\r\n");
    QTest::newRow("new section at the end")
        << file << "Lomag Terminal Settings"
        << "TermId"
        << "1" << QByteArray(file + "\r\n[Lomag Terminal Settings]\r\nTermId=1\r\n");
    QTest::newRow("LF file keeps LF") << QByteArray("[A]\nx=1\n") << "A"
                                      << "y"
                                      << "2" << QByteArray("[A]\nx=1\ny=2\n");
    QTest::newRow("last line without ending") << QByteArray("[A]\r\nx=1") << "A"
                                              << "y"
                                              << "2" << QByteArray("[A]\r\nx=1\r\ny=2\r\n");
    QTest::newRow("value emptied") << file << "B"
                                   << "y"
                                   << ""
                                   << QByteArray("; comment\r\n[A]\r\nTermTimeOut=10\r\nx=1\r\n\r\n[B]\r\ny=\r\n");
}

void tst_IniHandling::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    TempFolder folder;
    folder.write("Config.ini", before);
    QVERIFY(WriteIniValue(section, key, value, folder.file("Config.ini")));
    QCOMPARE(folder.read("Config.ini"), after);
    QCOMPARE(ReadIniValue(section, key, folder.file("Config.ini")), value);
}

void tst_IniHandling::writeCreatesTheFile()
{
    TempFolder folder;
    QVERIFY(WriteIniValue("General", "Escape", "1", folder.file("new.ini")));
    QCOMPARE(folder.read("new.ini"), QByteArray("[General]\r\nEscape=1\r\n"));
    QVERIFY(!WriteIniValue("General", "Escape", "1", folder.file("missing-folder/new.ini")));
}

void tst_IniHandling::settingsAreReadFromTheFile()
{
    TempFolder folder;
    const QString path = configPathIn(folder.path());
    QVERIFY(ensureConfigFile(path));
    const AppSettings s = readSettings(path);
    QCOMPARE(s.vOffice.TermServer, QString("LocalHost"));
    QCOMPARE(s.vOffice.TermDatabase, QString("vOffice"));
    QCOMPARE(s.escape.TermDatabase, QString("ESC_STK001"));
    QCOMPARE(s.escape.TermDbType, QString("SQL"));
    QCOMPARE(s.lomag.TermServer, QString());
    QCOMPARE(s.Escape, QString("0"));
    QCOMPARE(s.Lomag, QString());
    QCOMPARE(s.SyrtNumber, qint16(2));
    QCOMPARE(s.TipOfTheDay, QString("0"));

    WriteIniValue("Drives", "w", "/srv/shares/w", path);
    QCOMPARE(readSettings(path).drives.toNative("W:\\x.pdf"), std::optional<QString>("/srv/shares/w/x.pdf"));
}

void tst_IniHandling::syrtNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "2" << 2;
    QTest::newRow("negative") << "-32768" << -32768;
    QTest::newRow("too large") << "32768" << 0;
    QTest::newRow("not a number") << "two" << 0;
    QTest::newRow("fraction") << "2.5" << 0;
    QTest::newRow("missing") << "" << 0;
}

void tst_IniHandling::syrtNumber()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(toSyrtNumber(text)), expected);
}

QTEST_GUILESS_MAIN(tst_IniHandling)
#include "tst_IniHandling.moc"
