#include "settingsbinding.h"

#include "Unit1.h"
#include "Unit24.h"
#include "appearance.h"
#include "windowframe.h"

#include <QRadioButton>
#include <QSlider>
#include <QTimer>

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

store::SettingsSnapshot WindowSettings::snapshot() const { return windowSnapshot(m_main, m_appearance); }

store::SettingsSnapshot windowSnapshot(const TForm1 &main, const TForm24 &appearance)
{
    store::SettingsSnapshot snapshot;
    const QRect outer = WindowFrame::outerRectOf(main);
    snapshot.top = outer.y();
    snapshot.left = outer.x();
    snapshot.trackPosition = appearance.TrackBar1->value();
    snapshot.customBackground = appearance.customBackground();
    snapshot.pictureFileName = appearance.pictureFileName();
    const auto groups = storedGroups(main);
    for (int k = 0; k < store::kGroupCount; ++k)
        snapshot.groups[k] = groups[k]->opened();
    snapshot.outerHeight = outer.height();
    snapshot.stretch = calc::Appearance::instance().stretch();
    return snapshot;
}

QString settingsFile(const calc::Context &context)
{
    return context.settingsFile.isEmpty() ? store::settingsFilePath() : context.settingsFile;
}

void loadWindowSettings(TForm1 &main, TForm24 &appearance, const calc::Context &context,
                        const std::function<void()> &welcome)
{
    const QString path = settingsFile(context);
    store::removeLeftovers(path);
    WindowSettings target(main, appearance);
    const store::LoadOutcome outcome = store::loadSettings(store::readStore(path), target);
    main.keepReachable();
    if (outcome == store::LoadOutcome::FirstRun) {
        // In front of the main window, once that is on the screen.
        QTimer::singleShot(0, &main, [welcome, &context] {
            if (context.presentWelcome)
                context.presentWelcome();
            else
                welcome();
        });
    }
}

bool saveWindowSettings(const TForm1 &main, const TForm24 &appearance, const calc::Context &context)
{
    const QString path = settingsFile(context);
    const store::SaveOutcome outcome = store::saveSettings(path, windowSnapshot(main, appearance));
    if (!outcome.ok())
        context.showMessage(store::saveFailureMessage(path, outcome.error));
    return outcome.ok();
}
