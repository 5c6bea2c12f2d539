#pragma once
// Settings files (DUROZ.INI, TAQUILLA.INI) read and written with the rules
// of Windows profile files, which QSettings does not keep:
// - "[Section]" lines open a section; "key=value" lines inside it; names
//   may hold blanks and compare without regard to letter case; blanks and
//   tabs around names and values do not count;
// - a value between matching double or single quotes loses them on reading;
// - lines starting with ";" are comments; lines of any other shape, and keys
//   before the first section, are kept but never match;
// - when a section or key appears twice, the first one counts.
// Files are in the workstation's ANSI code page (Windows-1252, see
// vb::toAnsi); lines end in CR LF when written, and LF or CR LF on reading.

#include <QString>

namespace platform {

// Longest value returned: what the 255-character buffer of the settings
// readers holds besides its terminator.
inline constexpr int MaxProfileValueLength = 254;

// The value of `key` in `section` of the file, at most
// MaxProfileValueLength characters; `defaultValue` (cut the same way) when
// the file, the section or the key is missing or unreadable.
QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue = QString());

// Sets `key` in `section` to `value`. The value of an existing key is
// replaced on its own line, everything else in the file (comments, other
// keys and sections, their order) left as it was; a new key goes after the
// last key of its section; a new section (and the file itself) is created
// at the end. The file is replaced at once from a finished temporary copy,
// so a failure never leaves it half written.
// Returns false, writing nothing, when the file cannot be read or replaced,
// or when the names or the value would break the file's line structure: an
// empty section or key, a section holding "]", a key holding "=" or
// starting with "[" or ";", any of them holding a line break.
bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);

} // namespace platform
