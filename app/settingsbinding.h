// The settings store applied to the main window and the settings screen,
// and read back from them.
#pragma once

#include "settingsstore.h"

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
