#include "TempFolder.h"

#include <QFile>

namespace qnr::test {

void TempFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TempFolder::read(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace qnr::test
