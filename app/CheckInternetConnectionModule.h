#pragma once

#include <optional>
#include <QString>

namespace qnr {

// The plain-HTTP what-is-my-IP page: its body carries "Address: " and the address.
inline const char* const kWanIpAddress = "http://checkip.dyndns.org/";
inline constexpr int kHttpTimeoutMilliseconds = 4000;
inline constexpr int kHttpTextLimit = 45000;

// Whether the system believes it reaches a network beyond this computer: a default
// route, or an interface that is up with an address that is not loopback. Makes no
// network traffic.
bool IsInternetConnected();
// The same decision on given facts, for tests.
bool hasDefaultRoute(const QString& procNetRoute);

// The body of an HTTP GET, one character per byte, at most 45,000 characters. No
// value when the request fails or takes longer than the time-out.
std::optional<QString> GetHttpText(const QString& url, int timeoutMilliseconds = kHttpTimeoutMilliseconds);

// The address after the first "Address: ", up to the first "," after it, or else
// the first "<"; "error" when the markers are missing or the request failed.
QString GetWanIp(const QString& url = QString::fromLatin1(kWanIpAddress));
QString parseWanIp(const QString& page);

// The first IPv4 address of an interface that is up and not loopback; empty if none.
QString LocalIp();

} // namespace qnr
