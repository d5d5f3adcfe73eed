// The settings store applied to the main window and the settings screen,
// and read back from them.
#pragma once

#include "context.h"
#include "settingsstore.h"

#include <functional>

class TForm1;
class TForm24;

class WindowSettings : public store::SettingsTarget
{
public:
    WindowSettings(TForm1 &main, TForm24 &appearance) : m_main(main), m_appearance(appearance) {}

    void setTop(int top) override;
    void setLeft(int left) override;
    void setTrackPosition(int position) override;
    void setCustomBackground(int flag) override;
    void loadPictureFile(const QString &fileName) override;
    void setGroupOpened(int group, bool opened) override;
    void setHeight(int outerHeight) override;
    void apply() override;
    void setStretch(bool stretch) override;

    store::SettingsSnapshot snapshot() const;

private:
    TForm1 &m_main;
    TForm24 &m_appearance;
};

// What the save writes, read from the windows.
store::SettingsSnapshot windowSnapshot(const TForm1 &main, const TForm24 &appearance);

// The settings file of a context: its own, or the user's store.
QString settingsFile(const calc::Context &context);

// Loads the stored settings into the windows when the main window first
// shows; on the first run `welcome` greets the user once the main window is
// on the screen.
void loadWindowSettings(TForm1 &main, TForm24 &appearance, const calc::Context &context,
                        const std::function<void()> &welcome);

// Saves them when the main window closes; false when the file could not be
// written (the user is told).
bool saveWindowSettings(const TForm1 &main, const TForm24 &appearance, const calc::Context &context);
