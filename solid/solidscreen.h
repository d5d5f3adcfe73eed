// The frame of the seven solid screens: the measurement fields, the
// illustration, the volume, and the 3D model view that "3D-модель>>" reveals
// at the right of the window.
#pragma once

#include "screen.h"
#include "model.h"
#include "modelview.h"

#include <QPoint>

#include <vector>

class QFrame;
class QMenu;
class QTimer;

namespace solid {

// One measurement: its caption label left of the field, the field at `position`.
struct FieldDesign {
    const char *labelName;
    const char *caption; // UTF-8
    const char *editName;
    QPoint position;
    int captionLines; // > 1 for a caption that wraps
};

// Where the controls below the fields stand.
struct BottomLayout {
    QPoint image; // Image2
    QPoint roundingCaption;
    QPoint roundingList;
    QPoint afterCaption;
    const char *roundingCaptionName;
    const char *afterCaptionName;
    int buttonsY; // Button1 and Button2
    int answerY;  // Label4
};

inline const BottomLayout kStandardBottom{{240, 32}, {5, 160}, {80, 152}, {236, 160}, "Label6", "Label7", 200, 232};
inline const BottomLayout kSphereBottom{{240, 32}, {5, 152}, {80, 144}, {236, 152}, "Label6", "Label7", 192, 224};
inline const BottomLayout kTruncatedConeBottom{{248, 32}, {5, 152}, {88, 144}, {244, 152},
                                               "Label7",  "Label8", 192,       232};
inline const BottomLayout kTallFieldsBottom{{240, 32}, {5, 168}, {80, 160}, {236, 168}, "Label6", "Label7", 200, 232};

struct SolidDesign {
    const char *objectName;
    const char *caption; // UTF-8
    const char *heading; // UTF-8
    QSize clientSize;    // narrow
    QPoint position;
    Solid solid;
    std::vector<FieldDesign> fields; // in reading order
    BottomLayout bottom;
    // The cone's model view differs: its timer is Timer2, its vertical track
    // bar is 14 pixels wide, the hint of TrackBar1 is shown, and it connects
    // its own (differently named) track-bar and timer handlers.
    bool coneModelView = false;
};

class SolidScreen : public calc::Screen
{
    Q_OBJECT
public:
    // Client widths without and with the model panel.
    static constexpr int kNarrowWidth = 368;
    static constexpr int kWideWidth = 622;
    static constexpr int kRedrawInterval = 500;

    calc::TImage *Image1 = background();
    QLabel *Label1 = nullptr;
    calc::TImage *Image2 = nullptr;
    QComboBox *RzComboBox2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QFrame *Panel2 = nullptr;
    TModelPanel *Panel1 = nullptr;
    TTrackBar *TrackBar1 = nullptr;
    TTrackBar *TrackBar2 = nullptr;
    TTrackBar *TrackBar3 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *N3 = nullptr;
    QAction *N2 = nullptr;
    QAction *N4 = nullptr;

    // Whether the model panel is revealed.
    bool wide() const { return m_wide; }
    Colour modelColour() const { return m_colour; }

public slots:
    void Button1Click();
    void Button2Click();
    // The redraw of the model; does nothing while narrow or not showing.
    void Button3Click();
    void Timer1Timer();
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void N3Click();
    void N2Click();
    void N4Click();
    void FormClose();

protected:
    SolidScreen(const SolidDesign &design, const calc::Context &context);

    QLineEdit *field(int index) const { return m_fields[std::size_t(index)]; }
    QLabel *fieldCaption(int index) const { return m_fieldCaptions[std::size_t(index)]; }

    QLabel *m_roundingCaption = nullptr;
    QLabel *m_afterCaption = nullptr;
    QTimer *m_redrawTimer = nullptr;

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildModelView(const SolidDesign &design);
    // Runs the redraw timer while the model is on the screen.
    void keepRedrawing();
    void setColour(QAction *item, Colour colour);

    Solid m_solid;
    std::vector<QLineEdit *> m_fields;
    std::vector<QLabel *> m_fieldCaptions;
    bool m_wide = false;
    Colour m_colour = kBlue;
};

} // namespace solid
