#pragma once

#include <QString>

namespace qnr {

// The profile-string functions of Windows for the program's INI file: sections and
// keys are matched without regard to case, a missing section or key reads as empty
// text, a value is delivered through a 255-character buffer (at most 254 characters).
QString ReadIniValue(const QString& section, const QString& key, const QString& file);

// Replaces the key's line in place (the rest of the file stays byte for byte as it
// was), adds the key at the end of its section, or adds the section, creating the
// file when needed. Returns false when the file could not be written.
bool WriteIniValue(const QString& section, const QString& key, const QString& value, const QString& file);

// True when the file can be opened for reading.
bool FileExists(const QString& path);

inline constexpr int kIniValueLimit = 254;

} // namespace qnr
