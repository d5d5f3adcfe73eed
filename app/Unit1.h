// The main window: the group bar whose items open the other screens, and
// the hidden holder of the current background picture. It knows no other
// screen: its item handlers, its first showing and its closing are reported
// through signals, and the place that creates the screens answers them.
#pragma once

#include "context.h"
#include "controls.h"
#include "groupbar.h"
#include "placement.h"

#include <QWidget>

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr QPoint kDesignedPosition{399, 29};
    static constexpr QSize kClientSize{215, 637};

    explicit TForm1(const calc::Context &context = calc::Context::standard());

    TRzGroupBar *RzGroupBar1;
    TRzGroup *RzGroup2, *RzGroup3, *RzGroup4;
    calc::TImage *Image1;
    TRzGroup *RzGroup5, *RzGroup1, *RzGroup6;

    // The item of a group by its handler's number (RzGroup1Items7 is
    // "Правильный многоугольник").
    TRzGroupItem *item(const TRzGroup *group, int index) const;
    // An item by its name ("RzGroup1Items7").
    TRzGroupItem *item(const QString &name) const;

    // Sets the height the window has with its frame and title bar.
    void setOuterHeight(int outerHeight);
    // Applies a restored place and height: the designed place when the title
    // bar would not lie whole within a work area, a height within the work area.
    void keepReachable();
    // Moves the window's frame, title bar included, as the settings screen's
    // placement choice says.
    void place(placement::Choice choice);

signals:
    // The window is shown for the first time: the settings are due.
    void firstShown();
    // The window closes: the settings are to be saved.
    void closing();
    // An item was clicked (by its name, "RzGroup1Items7").
    void itemClicked(const QString &item);

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

    void FormShow();
    void FormClose();

    void RzGroup3Items0Click();
    void RzGroup3Items1Click();
    void RzGroup3Items2Click();
    void RzGroup1Items0Click();
    void RzGroup1Items1Click();
    void RzGroup1Items2Click();
    void RzGroup1Items3Click();
    void RzGroup1Items4Click();
    void RzGroup1Items5Click();
    void RzGroup1Items7Click();
    void RzGroup1Items8Click();
    void RzGroup1Items9Click();
    void RzGroup6Items0Click();
    void RzGroup6Items1Click();
    void RzGroup6Items2Click();
    void RzGroup6Items3Click();
    void RzGroup6Items4Click();
    void RzGroup6Items5Click();
    void RzGroup6Items6Click();
    void RzGroup2Items0Click();
    void RzGroup2Items1Click();
    void RzGroup2Items2Click();
    void RzGroup2Items3Click();
    void RzGroup2Items4Click();
    void RzGroup2Items5Click();
    void RzGroup2Items6Click();
    void RzGroup2Items7Click();
    void RzGroup2Items8Click();
    void RzGroup2Items9Click();
    void RzGroup2Items10Click();
    void RzGroup2Items11Click();
    void RzGroup2Items12Click();
    void RzGroup4Items0Click();
    void RzGroup4Items1Click();
    void RzGroup4Items2Click();
    void RzGroup4Items3Click();
    void RzGroup4Items4Click();
    void RzGroup4Items5Click();
    void RzGroup5Items0Click();
    void RzGroup5Items1Click();
    void RzGroup5Items2Click();
    void RzGroup5Items3Click();
    void RzGroup5Items4Click();
    void RzGroup5Items5Click();
    void RzGroup5Items6Click();
    void RzGroup5Items7Click();
    void RzGroup5Items8Click();
    void RzGroup5Items9Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_shown = false;
    void openGroup(TRzGroup *group, int growth);
    void closeGroup(TRzGroup *group);
};

extern TForm1 *Form1;

// Shows a screen non-modally, or brings it to the front when it is open.
void showScreen(QWidget *screen);
