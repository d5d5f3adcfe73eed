// The file format of the settings store: plain "name=value" lines in UTF-8.
//
// Values are kept as text and never turned into other types by the reader;
// lines longer than kMaxLineBytes are skipped. The writer checks that every
// byte reached the file and fails otherwise, so that QSettings keeps the old
// file untouched instead of replacing it with a truncated one.
#pragma once

#include <QSettings>

namespace store {

inline constexpr qsizetype kMaxLineBytes = 8192;

// The format, registered with QSettings on first use.
QSettings::Format settingsFormat();

bool readSettingsFile(QIODevice &device, QSettings::SettingsMap &map);
bool writeSettingsFile(QIODevice &device, const QSettings::SettingsMap &map);

}  // namespace store
