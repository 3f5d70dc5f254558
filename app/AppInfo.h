#pragma once

#include <QString>

namespace qnr {

QString applicationTitle();
// major.minor.revision
QString versionText();

// The folder of the executable, or the folder named by QUINOR_HOME when it is set.
// Config.ini, ErrorLog.txt, Reports/ and the work files live there.
QString programFolder();
QString programFile(const QString& name);

} // namespace qnr
