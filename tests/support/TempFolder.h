#pragma once

#include <QDir>
#include <QTemporaryDir>

namespace qnr::test {

// A program folder of its own for one test.
class TempFolder {
public:
    TempFolder() { m_dir.setAutoRemove(true); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

} // namespace qnr::test
