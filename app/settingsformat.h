// The text of the settings store: plain "name=value" lines in UTF-8.
//
// Values are kept as text and never turned into other types here. A line
// longer than kMaxLineBytes is skipped whole, so no part of it is ever read
// as a value of its own.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

namespace store {

inline constexpr qsizetype kMaxLineBytes = 8192;

// The stored values by name.
using StoredValues = QMap<QString, QString>;

StoredValues parseSettingsText(QByteArrayView text);
QByteArray settingsText(const StoredValues &values);

}  // namespace store
