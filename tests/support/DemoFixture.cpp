#include "DemoFixture.h"

#include <DemoData.h>

namespace qnr::test {

DemoFixture::DemoFixture(int documents, int stockItems)
{
    demo::DemoOptions options;
    options.today = today();
    options.documents = documents;
    options.stockItems = stockItems;
    options.files = false;
    if (auto error = demo::createDemoDatabases(m_folder.path(), m_folder.file("drives"), options)) {
        m_error = *error;
        return;
    }
    data::ConnectionOptions o;
    o.engine = data::Engine::Sqlite;
    o.baseFolder = m_folder.path();
    o.database = demo::kEscapeFile;
    if (auto error = m_connections.escape.open(o)) {
        m_error = error->description;
        return;
    }
    o.database = demo::kLomagFile;
    if (auto error = m_connections.lomag.open(o)) {
        m_error = error->description;
        return;
    }
    m_ok = true;
}

} // namespace qnr::test
