// The frame every calculator screen is built on: fixed size, the background
// picture, the hidden Enter item, the answer line, the rounding list and the
// positivity rule of the area and solid screens.
#pragma once

#include "controls.h"
#include "texts.h"

#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace calc {

// Arial at a character height in pixels (8 points: 11, 10 points: 13, 12 points: 16).
QFont arial(int pixelHeight, bool bold = false);

class CalcScreen : public QWidget
{
    Q_OBJECT
public:
    CalcScreen(const QString &caption, QSize clientSize, QPoint position);

    TImage *Image1 = nullptr;
    QMenuBar *MainMenu1 = nullptr;
    QMenu *grgrt1 = nullptr;
    QAction *jkujk1 = nullptr;
    TAnswerLabel *Label4 = nullptr;

public slots:
    // Enter: a click of the compute button.
    void jkujk1Click();
    // Copies the current background picture and stretch flag.
    void FormShow();
    // The "NAN" watch of the screens that enable it.
    void Timer1Timer();

protected:
    enum class InputType { Real, Whole };
    struct Input {
        QLineEdit *field;
        InputType type;
    };
    using Formula = std::function<double(const std::vector<double> &)>;

    QLabel *addLabel(const char *name, const QString &text, const QRect &geometry);
    QLineEdit *addEdit(const char *name, const QRect &geometry);
    QComboBox *addModeList(const char *name, const QStringList &items, const QRect &geometry);
    QPushButton *addComputeButton(const char *name, const QString &text, const QRect &geometry);
    // "Округлить до:" (Label6), the list, "нулей после запятой" (Label7), from (x, y).
    QComboBox *addRoundingRow(const char *listName, int x, int y);
    TAnswerLabel *addAnswerLabel(const QString &text, const QRect &geometry, int pixelHeight);

    // The parsed value of a field, nothing on a conversion failure.
    static std::optional<double> readInput(const Input &input);

    // One mode of an area or solid screen: parse the inputs in order; when at
    // least one is greater than 0, show the absolute value of the formula;
    // then, unless all are greater than 0, show `invalid`. A conversion
    // failure (an input or the rounding text) shows `conversionFailure` only
    // and leaves the answer line as it was.
    void computePositive(const std::vector<Input> &inputs, const Formula &formula,
                         const QString &conversionFailure, const QString &invalid);

    // Turns "Ответ: NAN" into the bilingual error and shows `message` once.
    void watchForNan(const QString &message);

    QComboBox *m_roundingList = nullptr;
    QAbstractButton *m_computeButton = nullptr;

    void showEvent(QShowEvent *event) override;

private:
    QString m_nanMessage;
};

}  // namespace calc
