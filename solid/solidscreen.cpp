#include "solidscreen.h"

#include "illustrations.h"
#include "positivity.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace solid {

namespace {

constexpr int kFieldWidth = 145;
constexpr int kFieldHeight = 21;
constexpr int kCaptionLineHeight = 15;

} // namespace

SolidScreen::SolidScreen(const SolidDesign &design, const calc::Context &context)
    : Screen({QString::fromUtf8(design.caption), design.clientSize, design.position}, context), m_solid(design.solid)
{
    setObjectName(QLatin1String(design.objectName));

    Label1 = addLabel("Label1", QString::fromUtf8(design.heading), QRect(0, 8, kNarrowWidth, 20));
    Label1->setFont(calc::arial(13));
    Label1->setAlignment(Qt::AlignCenter);

    for (const FieldDesign &f : design.fields) {
        const int height = kCaptionLineHeight * f.captionLines;
        QLabel *caption =
            addLabel(f.labelName, QString::fromUtf8(f.caption),
                     QRect(5, f.position.y() + kFieldHeight / 2 - height / 2, f.position.x() - 8, height));
        caption->setFont(calc::arial(13));
        m_fieldCaptions.push_back(caption);
        m_fields.push_back(addEdit(f.editName, QRect(f.position, QSize(kFieldWidth, kFieldHeight))));
    }
    m_fields.front()->setFocus(); // typing starts in the first field

    const BottomLayout &b = design.bottom;
    Image2 = new calc::TImage(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(QRect(b.image, QSize(105, 105)));
    Image2->setStretch(false);

    m_roundingCaption = addLabel(b.roundingCaptionName, QStringLiteral("Округлить до:"),
                                 QRect(b.roundingCaption, QSize(b.roundingList.x() - b.roundingCaption.x() - 2, 16)));
    m_roundingCaption->setWordWrap(false);
    RzComboBox2 = calc::makeRoundingList(this, QStringLiteral("RzComboBox2"));
    RzComboBox2->setGeometry(QRect(b.roundingList, QSize(kFieldWidth, kFieldHeight)));
    m_afterCaption = addLabel(b.afterCaptionName, QStringLiteral("нулей после запятой"),
                              QRect(b.afterCaption, QSize(kNarrowWidth - b.afterCaption.x() - 2, 16)));
    m_afterCaption->setWordWrap(false);

    Button2 = addButton("Button2", QStringLiteral("Рассчитать"), QRect(120, b.buttonsY, 75, 25));
    addEnterItem(Button2);
    addAnswerLabel(QStringLiteral("Ответ:"), QRect(16, b.answerY, kNarrowWidth - 24, 24), 16);

    Button1 = new QPushButton(QStringLiteral("3D-модель>>"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(280, b.buttonsY, 75, 25);
    Button3 = new QPushButton(QStringLiteral("Button3"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(280, b.buttonsY + 28, 75, 25);
    Button3->hide();

    buildModelView(design);

    connect(Button1, &QPushButton::clicked, this, &SolidScreen::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &SolidScreen::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &SolidScreen::Button3Click);
    connect(N3, &QAction::triggered, this, &SolidScreen::N3Click);
    connect(N2, &QAction::triggered, this, &SolidScreen::N2Click);
    connect(N4, &QAction::triggered, this, &SolidScreen::N4Click);
    if (!design.coneModelView) {
        connect(TrackBar1, &QSlider::valueChanged, this, &SolidScreen::TrackBar1Change);
        connect(TrackBar2, &QSlider::valueChanged, this, &SolidScreen::TrackBar2Change);
        connect(TrackBar3, &QSlider::valueChanged, this, &SolidScreen::TrackBar3Change);
        connect(m_redrawTimer, &QTimer::timeout, this, &SolidScreen::Timer1Timer);
    }
}

void SolidScreen::keepRedrawing()
{
    // The model is redrawn only while it is on the screen: a hidden or
    // narrow screen has nothing to redraw, and the program at rest wakes
    // for nothing.
    if (m_wide && isVisible() && !isMinimized())
        m_redrawTimer->start(kRedrawInterval);
    else
        m_redrawTimer->stop();
}

void SolidScreen::buildModelView(const SolidDesign &design)
{
    // The model panel lies right of the narrow client area; it is shown only
    // while the window is wide, so a narrow screen makes no GL surface.
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Box | QFrame::Sunken); // lowered outside, raised inside
    Panel2->setGeometry(kNarrowWidth, 16, 249, 233);
    Panel2->setAutoFillBackground(true);
    Panel2->hide();

    Panel1 = new TModelPanel(Panel2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(29, 8, 210, 170);
    Panel1->setContextMenuPolicy(Qt::CustomContextMenu);

    TrackBar1 = new TTrackBar(Qt::Horizontal, Panel2);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(8, 184, 233, 17);
    TrackBar1->setHint(QStringLiteral("Ось X"));
    TrackBar1->setShowHint(design.coneModelView);

    TrackBar2 = new TTrackBar(Qt::Horizontal, Panel2);
    TrackBar2->setObjectName(QStringLiteral("TrackBar2"));
    TrackBar2->setGeometry(8, 208, 233, 17);
    TrackBar2->setHint(QStringLiteral("Ось Z"));
    TrackBar2->setShowHint(true);

    // Vertical, minimum at the top: moving the thumb up lowers the value.
    TrackBar3 = new TTrackBar(Qt::Vertical, Panel2);
    TrackBar3->setObjectName(QStringLiteral("TrackBar3"));
    TrackBar3->setGeometry(8, 8, design.coneModelView ? 14 : 17, 169);
    TrackBar3->setInvertedAppearance(true);
    TrackBar3->setInvertedControls(true);
    TrackBar3->setHint(QStringLiteral("Ось Y"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto *colours = new QActionGroup(PopupMenu1);
    colours->setExclusive(true);
    const auto addColour = [&](const char *name, const QString &text, bool checked) {
        QAction *item = PopupMenu1->addAction(text);
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        item->setChecked(checked);
        colours->addAction(item);
        return item;
    };
    N3 = addColour("N3", QStringLiteral("Синий"), true);
    N2 = addColour("N2", QStringLiteral("Красный"), false);
    N4 = addColour("N4", QStringLiteral("Зелёный"), false);
    connect(Panel1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(Panel1->mapToGlobal(pos)); });

    m_redrawTimer = new QTimer(this);
    m_redrawTimer->setObjectName(QLatin1String(design.coneModelView ? "Timer2" : "Timer1"));
    m_redrawTimer->setInterval(kRedrawInterval);
}

void SolidScreen::Button1Click()
{
    m_wide = !m_wide;
    setFixedWidth(m_wide ? kWideWidth : kNarrowWidth);
    if (!m_wide)
        Panel1->showFace(); // widening again shows the face until the next redraw
    Panel2->setVisible(m_wide);
    keepRedrawing();
}

void SolidScreen::Button2Click()
{
    std::vector<calc::InputText> inputs;
    for (const QLineEdit *edit : m_fields)
        inputs.push_back({edit->text(), calc::InputKind::Real});
    showOutcome(calc::computePositive(
        inputs, RzComboBox2->currentText(), [this](const std::vector<double> &v) { return volume(m_solid, v); },
        {calc::kInvalidValue, calc::kInvalidValue}, separator()));
}

void SolidScreen::Button3Click()
{
    if (!m_wide || !isVisible() || isMinimized())
        return;
    std::vector<QString> texts;
    for (const QLineEdit *edit : m_fields)
        texts.push_back(edit->text());
    const auto dimensions = modelDimensions(texts);
    if (!dimensions) {
        Panel1->setCaption(calc::kInvalidValue);
        return;
    }
    Panel1->drawModel({m_colour, modelGeometry(m_solid, *dimensions),
                       modelTranslation(TrackBar1->value(), TrackBar2->value(), TrackBar3->value())});
}

void SolidScreen::Timer1Timer() { Button3Click(); }

void SolidScreen::TrackBar1Change() { Button3->click(); }
void SolidScreen::TrackBar2Change() { Button3->click(); }
void SolidScreen::TrackBar3Change() { Button3->click(); }

void SolidScreen::setColour(QAction *item, Colour colour)
{
    for (QAction *each : {N3, N2, N4})
        each->setChecked(each == item);
    m_colour = colour;
}

void SolidScreen::N3Click() { setColour(N3, kBlue); }
void SolidScreen::N2Click() { setColour(N2, kRed); }
void SolidScreen::N4Click() { setColour(N4, kGreen); }

void SolidScreen::FormClose()
{
    if (m_wide)
        Button1->click();
}

void SolidScreen::showEvent(QShowEvent *event)
{
    // The illustration is drawn when the screen is first shown, not at start-up.
    if (Image2->picture().isNull())
        Image2->setPicture(illustration(m_solid));
    Screen::showEvent(event);
    keepRedrawing();
}

void SolidScreen::hideEvent(QHideEvent *event)
{
    Screen::hideEvent(event);
    keepRedrawing();
}

void SolidScreen::changeEvent(QEvent *event)
{
    Screen::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        keepRedrawing();
}

void SolidScreen::closeEvent(QCloseEvent *event)
{
    FormClose();
    Screen::closeEvent(event);
}

} // namespace solid
