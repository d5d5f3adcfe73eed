// The main window: the group bar whose items open the other screens, and
// the hidden holder of the current background picture.
#pragma once

#include "controls.h"
#include "groupbar.h"

#include <QWidget>

#include <functional>

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr QPoint kDesignedPosition{399, 29};
    static constexpr QSize kClientSize{215, 637};

    TForm1();

    TRzGroupBar *RzGroupBar1;
    TRzGroup *RzGroup2, *RzGroup3, *RzGroup4;
    calc::TImage *Image1;
    TRzGroup *RzGroup5, *RzGroup1, *RzGroup6;

    // The item of a group by its handler's number (RzGroup1Items7 is
    // "Правильный многоугольник").
    TRzGroupItem *item(const TRzGroup *group, int index) const;

public slots:
    void RzGroup1Open();
    void RzGroup2Open();
    void RzGroup3Open();
    void RzGroup4Open();
    void RzGroup5Open();
    void RzGroup6Open();
    void RzGroup1Close();
    void RzGroup2Close();
    void RzGroup3Close();
    void RzGroup4Close();
    void RzGroup5Close();
    void RzGroup6Close();

    void RzGroup3Items0Click();
    void RzGroup3Items1Click();
    void RzGroup3Items2Click();
    void RzGroup1Items0Click();
    void RzGroup1Items1Click();
    void RzGroup1Items2Click();
    void RzGroup1Items3Click();
    void RzGroup1Items4Click();
    void RzGroup2Items0Click();
    void RzGroup2Items1Click();
    void RzGroup2Items2Click();
    void RzGroup2Items3Click();
    void RzGroup2Items4Click();

    // Sets the height the window has with its frame and title bar.
    void setOuterHeight(int outerHeight);

    // Where the settings are read and written (tests point it elsewhere).
    static void setSettingsFile(const QString &path);
    static QString settingsFile();
    // How the welcome screen is presented (tests record it instead).
    static void setWelcomePresenter(std::function<void()> presenter);
    // False when the last save could not write the settings file.
    bool lastSaveSucceeded() const { return m_saved; }

public slots:
    // Loads the settings the first time the window is shown.
    void FormShow();
    // Saves them when the window closes.
    void FormClose();
    void RzGroup6Items0Click();
    void RzGroup6Items1Click();
    void RzGroup6Items2Click();
    void RzGroup6Items3Click();
    void RzGroup6Items4Click();
    void RzGroup6Items5Click();
    void RzGroup6Items6Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void keepReachable();
    bool m_loaded = false;
    bool m_saved = true;
    void openGroup(TRzGroup *group, int growth);
    void closeGroup(TRzGroup *group);
    // Closes the other solid screens, so that one 3D model at most is shown.
    void showSolidScreen(QWidget *screen);
};

extern TForm1 *Form1;

// Shows a screen non-modally, or brings it to the front when it is open.
void showScreen(QWidget *screen);
