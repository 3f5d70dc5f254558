#pragma once

#include "TempFolder.h"

#include <Connections.h>

namespace qnr::test {

// A small demo data set (12 December 2026 is "today") in a folder of its own, with
// the Escape and Lomag connections open on it.
class DemoFixture {
public:
    explicit DemoFixture(int documents = 300, int stockItems = 200);
    bool ok() const { return m_ok; }
    const QString& error() const { return m_error; }
    QString path() const { return m_folder.path(); }
    QString file(const QString& name) const { return m_folder.file(name); }
    AppConnections& connections() { return m_connections; }
    data::Connection& escape() { return m_connections.escape; }
    static QDate today() { return QDate(2026, 12, 11); }

private:
    TempFolder m_folder;
    AppConnections m_connections;
    bool m_ok = false;
    QString m_error;
};

} // namespace qnr::test
