// What the program remembers between runs, and the order in which it is
// read when the main window first shows and written when it closes.
#pragma once

#include "settingsformat.h"

#include <QString>
#include <QVariant>

#include <array>
#include <functional>
#include <optional>

namespace store {

// Group states in the order they are read and written: "Главное меню",
// "Площадь", "Переводы", "Решение задач", "Разное", "Объём".
inline constexpr int kGroupCount = 6;

// Thirteen short values need a few hundred bytes; a larger file is not a
// store of this program.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

// The per-user settings file under the standard configuration folder.
QString settingsFilePath();

// The values in the store file. Unless the file is a regular file of at
// most kMaxFileBytes there is no store, and no values: a FIFO, a device or a
// directory under the name is never opened for reading.
StoredValues readStore(const QString &filePath);

// Removes the unfinished copies that saves killed half-way left beside the
// file. Only files of this program's own naming whose saving process has
// ended are removed; no other file matches.
void removeLeftovers(const QString &filePath);

// Where the values go while loading. Each call applies one value at once.
class SettingsTarget
{
public:
    virtual ~SettingsTarget() = default;
    virtual void setTop(int top) = 0;
    virtual void setLeft(int left) = 0;
    virtual void setTrackPosition(int position) = 0;
    virtual void setCustomBackground(int flag) = 0;
    // Loads the user's picture into the preview. On failure the reason is
    // reported to the user, the built-in picture of the track position stays
    // in the preview and the custom flag returns to 0; the load goes on.
    virtual void loadPictureFile(const QString &fileName) = 0;
    virtual void setGroupOpened(int group, bool opened) = 0;
    virtual void setHeight(int outerHeight) = 0;
    virtual void apply() = 0;
    virtual void setStretch(bool stretch) = 0;
};

enum class LoadOutcome {
    Complete,      // every value was there
    FirstRun,      // a value was missing or mistyped: the load stopped there
};

LoadOutcome loadSettings(const StoredValues &stored, SettingsTarget &target);
// The same over any source of stored values (an invalid QVariant: missing).
LoadOutcome loadSettings(const std::function<QVariant(const QString &)> &stored, SettingsTarget &target);

// Everything the save writes.
struct SettingsSnapshot {
    int top = 0;
    int left = 0;
    int trackPosition = 1;
    int customBackground = 0;
    QString pictureFileName;
    std::array<bool, kGroupCount> groups{};
    int outerHeight = 0;
    bool stretch = true;
};

struct SaveOutcome {
    QString error;  // why nothing was saved; empty on success
    bool ok() const { return error.isEmpty(); }
};

// Writes the snapshot over the values already stored, keeping the others,
// and commits it at once. The file is replaced whole, so a failed save
// (a full disk, a missing permission) leaves the old file as it was. Only a
// regular file, or a new one, is written: a device, FIFO or directory under
// the name is left alone and the save fails.
SaveOutcome saveSettings(const QString &filePath, const SettingsSnapshot &snapshot);

// What the user is told when the save failed.
QString saveFailureMessage(const QString &filePath, const QString &reason);

// A stored integer: optional minus sign and decimal digits, within 32 bits.
std::optional<int> parseStoredInteger(const QVariant &value);

}  // namespace store
