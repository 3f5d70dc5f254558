#include "CheckInternetConnectionModule.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace qnr;

namespace {

// Answers every request on 127.0.0.1 with the body given, or stays silent.
class LocalHttpServer : public QObject {
public:
    explicit LocalHttpServer(QByteArray body, bool silent = false)
        : m_body(std::move(body))
        , m_silent(silent)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    socket->readAll();
                    if (m_silent)
                        return;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                  QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort()); }

private:
    QTcpServer m_server;
    QByteArray m_body;
    bool m_silent;
};

} // namespace

class tst_Network : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parseWanIp_data();
    void parseWanIp();
    void wanIpFromLocalPage_data();
    void wanIpFromLocalPage();
    void bytesAreLatin1AndLimited();
    void silentServerTimesOut();
    void refusedRequestIsError();
    void defaultRoute_data();
    void defaultRoute();
};

void tst_Network::parseWanIp_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("address");
    QTest::newRow("end of element") << "<html><body>Current IP Address: 203.0.113.7</body></html>"
                                    << "203.0.113.7";
    QTest::newRow("comma") << "Address: 203.0.113.7, via proxy"
                           << "203.0.113.7";
    QTest::newRow("a later comma wins over the tag") << "<body>Address: 203.0.113.7</body><p>a, b</p>"
                                                     << "203.0.113.7</body><p>a";
    QTest::newRow("no marker") << "<html>nothing here</html>"
                               << "error";
    QTest::newRow("no end marker") << "Address: 203.0.113.7"
                                   << "error";
    QTest::newRow("marker is case-sensitive") << "address: 1.2.3.4<"
                                              << "error";
    QTest::newRow("untrimmed") << "Address:  1.2.3.4 <"
                               << " 1.2.3.4 ";
}

void tst_Network::parseWanIp()
{
    QFETCH(QString, page);
    QFETCH(QString, address);
    QCOMPARE(qnr::parseWanIp(page), address);
}

void tst_Network::wanIpFromLocalPage_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("address");
    QTest::newRow("checkip page") << QByteArray("<html><head><title>Current IP Check</title></head><body>Current IP "
                                                "Address: 203.0.113.7</body></html>\r\n")
                                  << "203.0.113.7";
    QTest::newRow("via proxy") << QByteArray("Address: 203.0.113.7, via proxy") << "203.0.113.7";
    QTest::newRow("no end marker") << QByteArray("Address: 203.0.113.7") << "error";
}

void tst_Network::wanIpFromLocalPage()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, address);
    LocalHttpServer server(body);
    QCOMPARE(GetWanIp(server.url()), address);
}

void tst_Network::bytesAreLatin1AndLimited()
{
    QByteArray body = "caf\xe9 ";
    body += QByteArray(50000, 'x');
    LocalHttpServer server(body);
    const std::optional<QString> text = GetHttpText(server.url());
    QVERIFY(text);
    QCOMPARE(text->size(), 45000);
    QVERIFY(text->startsWith(QString::fromUtf8("café ")));
}

void tst_Network::silentServerTimesOut()
{
    LocalHttpServer server("", true);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!GetHttpText(server.url(), 300));
    QVERIFY(timer.elapsed() < 3000);
}

void tst_Network::refusedRequestIsError()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    QCOMPARE(GetWanIp(QStringLiteral("http://127.0.0.1:%1/").arg(port)), QString("error"));
}

void tst_Network::defaultRoute_data()
{
    QTest::addColumn<QString>("routes");
    QTest::addColumn<bool>("connected");
    const QString header = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
    QTest::newRow("default route") << header + "eth0\t00000000\t0102A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n" << true;
    QTest::newRow("local network only") << header + "eth0\t0002A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
                                        << false;
    QTest::newRow("default route down") << header + "eth0\t00000000\t0102A8C0\t0002\t0\t0\t100\t00000000\t0\t0\t0\n"
                                        << false;
    QTest::newRow("empty") << header << false;
}

void tst_Network::defaultRoute()
{
    QFETCH(QString, routes);
    QFETCH(bool, connected);
    QCOMPARE(hasDefaultRoute(routes), connected);
}

QTEST_GUILESS_MAIN(tst_Network)
#include "tst_Network.moc"
