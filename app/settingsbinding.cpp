#include "settingsbinding.h"

#include "Unit1.h"
#include "Unit24.h"
#include "appearance.h"
#include "windowframe.h"

#include <QRadioButton>
#include <QSlider>

namespace {

// The groups in the order the store keeps them.
std::array<TRzGroup *, store::kGroupCount> storedGroups(const TForm1 &main)
{
    return {main.RzGroup3, main.RzGroup1, main.RzGroup2, main.RzGroup4, main.RzGroup5, main.RzGroup6};
}

}  // namespace

void WindowSettings::setTop(int top) { WindowFrame::of(m_main).setOuterTop(top); }

void WindowSettings::setLeft(int left) { WindowFrame::of(m_main).setOuterLeft(left); }

void WindowSettings::setTrackPosition(int position) { m_appearance.TrackBar1->setValue(position); }

void WindowSettings::setCustomBackground(int flag) { m_appearance.setCustomBackground(flag); }

void WindowSettings::loadPictureFile(const QString &fileName)
{
    m_appearance.setPictureFileName(fileName);
    if (!m_appearance.loadPreviewFile(fileName)) {
        // The picture has gone: keep the built-in one of the track position.
        m_appearance.setCustomBackground(0);
        m_appearance.TrackBar1Change();
    }
}

void WindowSettings::setGroupOpened(int group, bool opened) { storedGroups(m_main)[group]->setOpened(opened); }

void WindowSettings::setHeight(int outerHeight) { m_main.setOuterHeight(outerHeight); }

void WindowSettings::apply() { m_appearance.Button2Click(); }

void WindowSettings::setStretch(bool stretch)
{
    (stretch ? m_appearance.RadioButton1 : m_appearance.RadioButton2)->setChecked(true);
}

store::SettingsSnapshot WindowSettings::snapshot() const
{
    store::SettingsSnapshot snapshot;
    const QRect outer = WindowFrame::of(m_main).outerRect();
    snapshot.top = outer.y();
    snapshot.left = outer.x();
    snapshot.trackPosition = m_appearance.TrackBar1->value();
    snapshot.customBackground = m_appearance.customBackground();
    snapshot.pictureFileName = m_appearance.pictureFileName();
    const auto groups = storedGroups(m_main);
    for (int k = 0; k < store::kGroupCount; ++k)
        snapshot.groups[k] = groups[k]->opened();
    snapshot.outerHeight = outer.height();
    snapshot.stretch = calc::Appearance::instance().stretch();
    return snapshot;
}
