// The frame every screen of the program is built on: a fixed-size top-level
// window with a close button, at its designed position, whose background
// holder copies the current background picture each time the screen is
// shown. Everything else is opt-in: the hidden Enter item, the rounding
// list, the answer line with its hint, and the "NAN" watch.
#pragma once

#include "context.h"
#include "controls.h"
#include "outcome.h"
#include "texts.h"

#include <QWidget>

class QAbstractButton;
class QAction;
class QLineEdit;
class QPushButton;

namespace calc {

// Arial at a character height in pixels (8 points: 11, 10 points: 13, 12 points: 16).
QFont arial(int pixelHeight, bool bold = false);

struct ScreenFrame {
    QString caption;
    QSize clientSize;
    QPoint position;
    // The name of the background holder; the system of equations keeps its
    // background in "Image2".
    QString background = QStringLiteral("Image1");
    // A screen the user may resize (its background follows).
    bool resizable = false;
};

class Screen : public QWidget
{
    Q_OBJECT
public:
    Screen(const ScreenFrame &frame, const Context &context);

    const Context &context() const { return m_context; }
    TImage *background() const { return m_background; }
    // The hidden Enter item and the invisible menu that holds it; null on a
    // screen without one. The menu is never shown, so it is kept as plain
    // named objects rather than menu widgets, which would cost every screen
    // memory for nothing.
    QObject *MainMenu1 = nullptr;
    QObject *grgrt1 = nullptr;
    QAction *jkujk1 = nullptr;
    // The answer line; null on a screen without one.
    TAnswerLabel *Label4 = nullptr;

public slots:
    // Copies the current background picture and stretch flag.
    void FormShow();
    // Enter: a click of the compute button.
    void jkujk1Click();

protected:
    void message(const QString &text) const { m_context.showMessage(text); }
    QChar separator() const { return m_context.decimalSeparator; }

    QLabel *addLabel(const char *name, const QString &text, const QRect &geometry);
    QLineEdit *addEdit(const char *name, const QRect &geometry);
    // A selection-only list with its first item selected.
    QComboBox *addModeList(const char *name, const QStringList &items, const QRect &geometry);
    QPushButton *addButton(const char *name, const QString &text, const QRect &geometry);

    // The hidden Enter item: an item of the invisible menu "grgrt" of the
    // screen's main menu, whose shortcut is Enter, live whichever control
    // has the focus; it clicks `target`. `itemName` is "jkujk1" unless the screen names it
    // otherwise; then `jkujk1` stays null and the screen connects the
    // returned item to its own handler, which calls jkujk1Click.
    QAction *addEnterItem(QAbstractButton *target, const char *itemName = "jkujk1");
    // "Округлить до:" (Label6), the rounding list, "нулей после запятой" (Label7), from (x, y).
    QComboBox *addRoundingRow(const char *listName, int x, int y);
    TAnswerLabel *addAnswerLabel(const QString &text, const QRect &geometry, int pixelHeight);
    // Watches the answer line for "Ответ: NAN" and then shows `message`.
    TNanWatch *watchForNan(const QString &message);

    // Shows the outcome of a click on the answer line.
    void showOutcome(const Outcome &outcome);

    void showEvent(QShowEvent *event) override;

private:
    const Context &m_context;
    TImage *m_background;
    QAbstractButton *m_enterTarget = nullptr;
};

}  // namespace calc
