#pragma once

#include <optional>
#include <QString>

namespace qnr {

// The network facts the main window shows once when it opens.
class NetworkFacts {
public:
    virtual ~NetworkFacts() = default;
    virtual bool internetConnected() = 0;
    virtual QString wanIp() = 0; // the address, or "error"
    virtual QString lanIp() = 0;
};

class SystemNetworkFacts : public NetworkFacts {
public:
    bool internetConnected() override;
    QString wanIp() override;
    QString lanIp() override;
};

// Caps Lock and Num Lock where the platform tells them (X11 keyboard indicators).
class KeyboardIndicators {
public:
    virtual ~KeyboardIndicators() = default;
    virtual std::optional<bool> capsLock() const = 0;
    virtual std::optional<bool> numLock() const = 0;
};

class SystemKeyboardIndicators : public KeyboardIndicators {
public:
    std::optional<bool> capsLock() const override;
    std::optional<bool> numLock() const override;

private:
    std::optional<unsigned> indicatorState() const;
};

} // namespace qnr
