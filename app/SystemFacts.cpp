#include "SystemFacts.h"

#include "CheckInternetConnectionModule.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>

namespace qnr {

bool SystemNetworkFacts::internetConnected()
{
    return IsInternetConnected();
}

QString SystemNetworkFacts::wanIp()
{
    // Without a network there is no point in waiting for the page.
    return IsInternetConnected() ? GetWanIp() : QStringLiteral("error");
}

QString SystemNetworkFacts::lanIp()
{
    return LocalIp();
}

std::optional<unsigned> SystemKeyboardIndicators::indicatorState() const
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return std::nullopt;
    unsigned state = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return state;
}

std::optional<bool> SystemKeyboardIndicators::capsLock() const
{
    const auto state = indicatorState();
    return state ? std::optional<bool>((*state & 0x1) != 0) : std::nullopt;
}

std::optional<bool> SystemKeyboardIndicators::numLock() const
{
    const auto state = indicatorState();
    return state ? std::optional<bool>((*state & 0x2) != 0) : std::nullopt;
}

} // namespace qnr
