#include "CheckInternetConnectionModule.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>

namespace qnr {

bool hasDefaultRoute(const QString& procNetRoute)
{
    const QStringList lines = procNetRoute.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        // Iface Destination Gateway Flags ...; flag 0x1 is "up".
        if (fields.size() >= 4 && fields[1] == QLatin1String("00000000") && (fields[3].toInt(nullptr, 16) & 0x1))
            return true;
    }
    return false;
}

bool IsInternetConnected()
{
    QFile routes(QStringLiteral("/proc/net/route"));
    if (routes.open(QIODevice::ReadOnly) && hasDefaultRoute(QString::fromLatin1(routes.readAll())))
        return true;
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        const auto flags = iface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (!ip.isLoopback() && !ip.isLinkLocal())
                return true;
        }
    }
    return false;
}

std::optional<QString> GetHttpText(const QString& url, int timeoutMilliseconds)
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(timeoutMilliseconds);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMilliseconds);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    std::optional<QString> text;
    if (reply->isFinished() && reply->error() == QNetworkReply::NoError)
        text = QString::fromLatin1(reply->readAll().left(kHttpTextLimit));
    else
        reply->abort();
    delete reply;
    return text;
}

QString parseWanIp(const QString& page)
{
    const QString marker = QStringLiteral("Address: ");
    const qsizetype found = page.indexOf(marker);
    if (found < 0)
        return QStringLiteral("error");
    const qsizetype start = found + marker.size();
    qsizetype end = page.indexOf(QLatin1Char(','), start);
    if (end < 0)
        end = page.indexOf(QLatin1Char('<'), start);
    if (end < 0)
        return QStringLiteral("error");
    return page.mid(start, end - start);
}

QString GetWanIp(const QString& url)
{
    const std::optional<QString> page = GetHttpText(url);
    return page ? parseWanIp(*page) : QStringLiteral("error");
}

QString LocalIp()
{
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        const auto flags = iface.flags();
        if (!(flags & QNetworkInterface::IsUp) || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !entry.ip().isLoopback())
                return entry.ip().toString();
        }
    }
    return {};
}

} // namespace qnr
