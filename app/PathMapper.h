#pragma once

#include <optional>
#include <QHash>
#include <QString>

namespace qnr {

// Paths stored from Windows workstations ("W:\Parts Cerificates\Current\x.pdf") and
// the program's fixed drive paths reach the file system through the drive letters
// mapped in section "Drives" of Config.ini (W=/srv/shares/w). Native paths pass as
// they are. Windows file names ignore letter case, so a mapped path whose exact
// spelling is not on disk is matched folder by folder without regard to case.
class PathMapper {
public:
    PathMapper() = default;
    explicit PathMapper(QHash<QChar, QString> drives);

    void setDrive(QChar letter, const QString& folder);
    const QHash<QChar, QString>& drives() const { return m_drives; }

    static bool isWindowsPath(const QString& path);

    // No value for a drive that is not mapped.
    std::optional<QString> toNative(const QString& path) const;
    // A file or folder that exists, or no value.
    std::optional<QString> existing(const QString& path) const;

private:
    QHash<QChar, QString> m_drives;
};

} // namespace qnr
