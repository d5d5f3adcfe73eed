#include "settingsbinding.h"

#include "Unit1.h"
#include "Unit24.h"
#include "appearance.h"
#include "settingsformat.h"

#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <cstdio>

namespace {

// The groups in the order the store keeps them.
std::array<TRzGroup *, store::kGroupCount> storedGroups(const TForm1 &main)
{
    return {main.RzGroup3, main.RzGroup1, main.RzGroup2, main.RzGroup4, main.RzGroup5, main.RzGroup6};
}

}  // namespace

void WindowSettings::setTop(int top) { m_main.move(m_main.x(), top); }

void WindowSettings::setLeft(int left) { m_main.move(left, m_main.y()); }

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
    snapshot.top = main.y();
    snapshot.left = main.x();
    snapshot.trackPosition = appearance.TrackBar1->value();
    snapshot.customBackground = appearance.customBackground();
    snapshot.pictureFileName = appearance.pictureFileName();
    const auto groups = storedGroups(main);
    for (int k = 0; k < store::kGroupCount; ++k)
        snapshot.groups[k] = groups[k]->opened();
    snapshot.outerHeight = main.frameGeometry().height();
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
    const QSettings settings(path, store::settingsFormat());
    WindowSettings target(main, appearance);
    const store::LoadOutcome outcome = store::loadSettings(settings, target);
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
    QSettings settings(settingsFile(context), store::settingsFormat());
    const bool saved = store::saveSettings(settings, windowSnapshot(main, appearance));
    if (!saved)
        std::fputs(qPrintable(QStringLiteral("kalkort: the settings could not be saved to %1\n")
                                  .arg(settingsFile(context))),
                   stderr);
    return saved;
}
