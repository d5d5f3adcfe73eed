// What the program remembers between runs, and the order in which it is
// read when the main window first shows and written when it closes.
#pragma once

#include <QSettings>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace store {

// Group states in the order they are read and written: "Главное меню",
// "Площадь", "Переводы", "Решение задач", "Разное", "Объём".
inline constexpr int kGroupCount = 6;

// The per-user settings file under the standard configuration folder.
QString settingsFilePath();

// Removes what an interrupted save may have left beside the file: a stale
// lock file and unfinished temporary copies.
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

LoadOutcome loadSettings(const QSettings &settings, SettingsTarget &target);
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

// Writes the snapshot and commits it at once. Returns false, leaving the old
// file as it was, when the file cannot be written completely.
bool saveSettings(QSettings &settings, const SettingsSnapshot &snapshot);

// A stored integer: optional minus sign and decimal digits, within 32 bits.
std::optional<int> parseStoredInteger(const QVariant &value);

}  // namespace store
