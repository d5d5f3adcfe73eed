// The two progression screens driven through their controls: each mode once,
// each failure path once, the layout of every mode (the "0," written into q
// included), and what these screens lack: an Enter shortcut, an answer hint
// and a "NAN" watch.
#include "Unit43.h"
#include "Unit44.h"
#include "support.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
const QString kQOne = QStringLiteral("Ошибка! q не должно быть равно единице!!!");
const QString kQBelowOne = QStringLiteral("Ошибка! |q| должен быть меньше 1!!!");
const QString kEarlierAnswer = QStringLiteral("Ответ: 777");
const QString kUnchanged = QStringLiteral("unchanged");

const QString kDifference = QStringLiteral("Разность прогрессии");
const QString kTerm = QStringLiteral("n-ый член прогрессии");
const QString kSum1 = QStringLiteral("Сумму n первых членов (1)");
const QString kSum2 = QStringLiteral("Сумму n первых членов (2)");
const QString kInfinite = QStringLiteral("Сумма бесконечной геометр. прог. при  | q | < 1");

// Every caption and field a mode list can show or hide, per screen.
const QStringList kArithmeticControls = {"Label2", "Label3", "Label5", "Label8", "Label9", "Label10", "Label13",
                                         "Label14", "Edit1",  "Edit2",  "Edit3",  "Edit4",  "Edit5",   "Edit6",
                                         "Edit7"};
const QStringList kGeometricControls = {"Label2", "Label3", "Label5", "Label8", "Label13", "Label14",
                                        "Edit1",  "Edit2",  "Edit5"};

}  // namespace

class TestProgressionScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void compute_data();
    void compute();
    void modeLayout_data();
    void modeLayout();
    void infiniteSumWritesZeroIntoQ();
    void modeChangeKeepsFieldsAndAnswer();
    void noEnterHintOrWatch();
    void screenLook_data();
    void screenLook();

private:
    progressions::ProgressionScreen *screen(const QString &name) const;
    void choose(progressions::ProgressionScreen *screen, const QString &item);

    support::RecordingContext m_context;
    QStringList &m_messages = m_context.recorded;
    support::ScreenSet m_screens;
};

void TestProgressionScreens::initTestCase()
{
    Form43 = m_screens.add(new TForm43(m_context));
    Form44 = m_screens.add(new TForm44(m_context));
}

void TestProgressionScreens::init()
{
    for (QWidget *w : m_screens.all()) {
        for (QLineEdit *edit : w->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^Edit\\d$"))))
            edit->clear();
        auto *list = w->findChild<QComboBox *>(QStringLiteral("RzComboBox1"));
        list->setCurrentIndex(0);
        w->findChild<QComboBox *>(QStringLiteral("RzComboBox3"))->setEditText(QStringLiteral("0"));
        w->findChild<calc::TAnswerLabel *>(QStringLiteral("Label4"))->setCaption(kEarlierAnswer);
    }
    m_messages.clear();
}

progressions::ProgressionScreen *TestProgressionScreens::screen(const QString &name) const
{
    return static_cast<progressions::ProgressionScreen *>(m_screens.byName(name));
}

// Chooses an item as the user does: the list opened, the item picked with the keyboard.
void TestProgressionScreens::choose(progressions::ProgressionScreen *w, const QString &item)
{
    QComboBox *list = w->RzComboBox1;
    const int index = list->findText(item, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setFocus();
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
        QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentText(), item);
}

void TestProgressionScreens::compute_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");  // or "unchanged"
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("difference a2 = 5, a5 = 11")
        << "Form43" << kDifference << QStringList{"Edit1=5", "Edit2=2", "Edit3=11", "Edit4=5"} << "0"
        << "Ответ: d = 2" << QStringList{};
    QTest::newRow("difference, equal indices: answer kept")
        << "Form43" << kDifference << QStringList{"Edit1=5", "Edit2=3", "Edit3=11", "Edit4=3"} << "0" << kUnchanged
        << QStringList{kInvalid};
    QTest::newRow("arithmetic term a1 = 1, d = 2, n = 10")
        << "Form43" << kTerm << QStringList{"Edit5=1", "Edit7=2", "Edit6=10"} << "0" << "Ответ: 19" << QStringList{};
    QTest::newRow("arithmetic sum (1) a1 = 1, an = 19, n = 10")
        << "Form43" << kSum1 << QStringList{"Edit5=1", "Edit7=19", "Edit6=10"} << "1" << "Ответ: Sn = 100,0"
        << QStringList{};
    QTest::newRow("arithmetic sum (2) a1 = 1, d = 2, n = 10")
        << "Form43" << kSum2 << QStringList{"Edit5=1", "Edit7=2", "Edit6=10"} << "0" << "Ответ: Sn = 100"
        << QStringList{};
    QTest::newRow("arithmetic rounding limit")
        << "Form43" << kTerm << QStringList{"Edit5=1", "Edit7=2", "Edit6=10"} << "100000000" << "Ответ: ?"
        << QStringList{kInvalid};
    QTest::newRow("arithmetic bad input")
        << "Form43" << kSum2 << QStringList{"Edit5=1", "Edit7=2.5", "Edit6=10"} << "0" << "Ответ: ?"
        << QStringList{kInvalid};

    QTest::newRow("geometric term b1 = 3, q = 2, n = 4")
        << "Form44" << kTerm << QStringList{"Edit5=3", "Edit1=2", "Edit2=4"} << "0" << "Ответ: 24" << QStringList{};
    QTest::newRow("geometric term q = -2") << "Form44" << kTerm << QStringList{"Edit5=3", "Edit1=-2", "Edit2=4"}
                                          << "0" << "Ответ: -24" << QStringList{};
    QTest::newRow("geometric sum (1) b1 = 1, q = 2, bn = 512")
        << "Form44" << kSum1 << QStringList{"Edit5=1", "Edit1=2", "Edit2=512"} << "0" << "Ответ: 1023"
        << QStringList{};
    QTest::newRow("geometric sum (2) b1 = 1, q = 2, n = 10")
        << "Form44" << kSum2 << QStringList{"Edit5=1", "Edit1=2", "Edit2=10"} << "0" << "Ответ: 1023"
        << QStringList{};
    QTest::newRow("geometric sum (2) q = -2") << "Form44" << kSum2 << QStringList{"Edit5=1", "Edit1=-2", "Edit2=4"}
                                             << "0" << "Ответ: -5" << QStringList{};
    QTest::newRow("geometric sum (1) q = 1") << "Form44" << kSum1 << QStringList{"Edit5=1", "Edit1=1", "Edit2=4"}
                                            << "0" << "Ответ: ?" << QStringList{kQOne};
    QTest::newRow("geometric sum (2) q = 1") << "Form44" << kSum2 << QStringList{"Edit5=1", "Edit1=1", "Edit2=4"}
                                            << "0" << "Ответ: ?" << QStringList{kQOne};
    QTest::newRow("infinite sum b1 = 1, q = 0,5")
        << "Form44" << kInfinite << QStringList{"Edit5=1", "Edit1=0,5"} << "0" << "Ответ: S = 2" << QStringList{};
    QTest::newRow("infinite sum q = 1") << "Form44" << kInfinite << QStringList{"Edit5=1", "Edit1=1"} << "0"
                                       << "Ответ: ?" << QStringList{kQBelowOne};
    QTest::newRow("geometric bad rounding") << "Form44" << kTerm << QStringList{"Edit5=3", "Edit1=2", "Edit2=4"}
                                           << "x" << "Ответ: ?" << QStringList{kInvalid};
    QTest::newRow("geometric without a rounding limit")
        << "Form44" << kTerm << QStringList{"Edit5=3", "Edit1=2", "Edit2=4"} << "100000000"
        << "Ответ: 24,000000000000000000" << QStringList{};
}

void TestProgressionScreens::compute()
{
    QFETCH(QString, screen);
    QFETCH(QString, mode);
    QFETCH(QStringList, inputs);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);

    progressions::ProgressionScreen *w = this->screen(screen);
    QVERIFY(support::showActive(w));
    choose(w, mode);
    // Typed key by key, as the user does.
    for (const QString &input : inputs)
        support::typeInto(w, input.section(u'=', 0, 0), input.section(u'=', 1));
    support::typeInto(w, QStringLiteral("RzComboBox3"), rounding);
    QTest::mouseClick(w->Button1, Qt::LeftButton);

    QCOMPARE(support::answer(w), answer == kUnchanged ? kEarlierAnswer : answer);
    QCOMPARE(m_messages, messages);
    support::hideScreen(w);
}

void TestProgressionScreens::modeLayout_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("shown");  // every other caption and field is hidden

    QTest::newRow("arithmetic difference")
        << "Form43" << kDifference << QStringList{"Label2", "Label3", "Edit1", "Edit2", "Edit3", "Edit4"};
    QTest::newRow("arithmetic term") << "Form43" << kTerm
                                     << QStringList{"Edit5", "Edit6", "Edit7", "Label5", "Label8", "Label9",
                                                    "Label10"};
    QTest::newRow("arithmetic sum (1)") << "Form43" << kSum1
                                        << QStringList{"Edit5", "Edit6", "Edit7", "Label5", "Label8", "Label13",
                                                       "Label14", "Label10"};
    QTest::newRow("arithmetic sum (2)") << "Form43" << kSum2
                                        << QStringList{"Edit5", "Edit6", "Edit7", "Label5", "Label8", "Label10",
                                                       "Label9"};
    QTest::newRow("geometric term") << "Form44" << kTerm
                                    << QStringList{"Label14", "Label2", "Label8", "Label3", "Edit2", "Edit1",
                                                   "Edit5"};
    QTest::newRow("geometric sum (1)") << "Form44" << kSum1
                                       << QStringList{"Label14", "Label2", "Label8", "Label5", "Label13", "Edit2",
                                                      "Edit1", "Edit5"};
    QTest::newRow("geometric sum (2)") << "Form44" << kSum2
                                       << QStringList{"Label14", "Label2", "Label8", "Label3", "Edit2", "Edit1",
                                                      "Edit5"};
    QTest::newRow("geometric infinite sum") << "Form44" << kInfinite
                                            << QStringList{"Label14", "Label2", "Label8", "Edit1", "Edit5"};
}

// Each mode reached from every other mode shows exactly its captions and fields.
void TestProgressionScreens::modeLayout()
{
    QFETCH(QString, screen);
    QFETCH(QString, mode);
    QFETCH(QStringList, shown);

    progressions::ProgressionScreen *w = this->screen(screen);
    const QStringList &all = screen == u"Form43" ? kArithmeticControls : kGeometricControls;
    QVERIFY(support::showActive(w));
    for (int from = 0; from < w->RzComboBox1->count(); ++from) {
        choose(w, w->RzComboBox1->itemText(from));
        choose(w, mode);
        for (const QString &name : all) {
            auto *control = w->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            QVERIFY2(control->isVisible() == shown.contains(name),
                     qPrintable(name + QStringLiteral(" after ") + w->RzComboBox1->itemText(from)));
        }
    }
    support::hideScreen(w);
}

void TestProgressionScreens::infiniteSumWritesZeroIntoQ()
{
    QVERIFY(support::showActive(Form44));
    support::type(Form44->Edit1, QStringLiteral("7"));
    choose(Form44, kInfinite);
    QCOMPARE(Form44->Edit1->text(), QStringLiteral("0,"));
    // Digits typed after it make the ratio.
    Form44->Edit1->setFocus();
    Form44->Edit1->end(false);
    QTest::keyClicks(Form44->Edit1, QStringLiteral("25"));
    support::type(Form44->Edit5, QStringLiteral("3"));
    QTest::mouseClick(Form44->Button1, Qt::LeftButton);
    QCOMPARE(support::answer(Form44), QStringLiteral("Ответ: S = 4"));
    // Other modes leave q alone.
    choose(Form44, kSum2);
    QCOMPARE(Form44->Edit1->text(), QStringLiteral("0,25"));
    QVERIFY(m_messages.isEmpty());
    support::hideScreen(Form44);
}

void TestProgressionScreens::modeChangeKeepsFieldsAndAnswer()
{
    QVERIFY(support::showActive(Form43));
    choose(Form43, kTerm);
    support::type(Form43->Edit5, QStringLiteral("1"));
    support::type(Form43->Edit7, QStringLiteral("2"));
    support::type(Form43->Edit6, QStringLiteral("10"));
    QTest::mouseClick(Form43->Button1, Qt::LeftButton);
    QCOMPARE(support::answer(Form43), QStringLiteral("Ответ: 19"));
    choose(Form43, kDifference);
    QCOMPARE(support::answer(Form43), QStringLiteral("Ответ: 19"));
    choose(Form43, kSum2);
    QCOMPARE(Form43->Edit7->text(), QStringLiteral("2"));
    QTest::mouseClick(Form43->Button1, Qt::LeftButton);
    QCOMPARE(support::answer(Form43), QStringLiteral("Ответ: Sn = 100"));
    support::hideScreen(Form43);
}

// Enter computes nothing, hovering the answer gives no hint, and a "NAN"
// answer stays as it is, without a message.
void TestProgressionScreens::noEnterHintOrWatch()
{
    for (progressions::ProgressionScreen *w : {static_cast<progressions::ProgressionScreen *>(Form43),
                                               static_cast<progressions::ProgressionScreen *>(Form44)}) {
        QVERIFY(w->jkujk1 == nullptr);
        QVERIFY(w->MainMenu1 == nullptr);
        for (const QAction *action : w->findChildren<QAction *>())
            QVERIFY2(!action->shortcuts().contains(QKeySequence(Qt::Key_Return)), qPrintable(action->objectName()));
        QVERIFY(!w->findChild<QObject *>(QStringLiteral("Timer1")));
    }

    QVERIFY(support::showActive(Form44));
    support::type(Form44->Edit5, QStringLiteral("3"));
    support::type(Form44->Edit1, QStringLiteral("-2"));
    support::type(Form44->Edit2, QStringLiteral("2,5"));
    for (QWidget *target : {static_cast<QWidget *>(Form44->Edit2), static_cast<QWidget *>(Form44->RzComboBox3)}) {
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(support::answer(Form44), kEarlierAnswer);

    QTest::mouseClick(Form44->Button1, Qt::LeftButton);
    QCOMPARE(support::answer(Form44), QStringLiteral("Ответ: NAN"));
    QTest::qWait(50);
    QCOMPARE(support::answer(Form44), QStringLiteral("Ответ: NAN"));
    QVERIFY(m_messages.isEmpty());

    QTest::mouseMove(Form44->Label4, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), Form44->Label4->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Form44->Label4, &move);
    QVERIFY(Form44->Label4->toolTip().isEmpty());
    support::hideScreen(Form44);
}

void TestProgressionScreens::screenLook_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QPoint>("buttonAt");

    QTest::newRow("arithmetic") << "Form43" << "Арифметическая прогрессия" << QSize(424, 243) << QPoint(303, 224)
                                << "a  - первй член прогресии\nd -  разность прогрессии\nn -  индекс числа"
                                << QPoint(176, 184);
    QTest::newRow("geometric") << "Form44" << "Геометрическая прогрессия" << QSize(437, 243) << QPoint(281, 212)
                               << "b  - первй член прогресии\nq -  знаменатель прогрессии\nn -  индекс числа"
                               << QPoint(168, 184);
}

// Caption, size, place, the legend with its lowered "1", the first item
// selected, and every caption inside the window and wide enough for its text.
void TestProgressionScreens::screenLook()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QString, legend);
    QFETCH(QPoint, buttonAt);

    progressions::ProgressionScreen *w = this->screen(screen);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->minimumSize(), size);
    QCOMPARE(w->maximumSize(), size);
    QCOMPARE(w->pos(), position);
    QCOMPARE(w->Label11->text(), legend);
    QCOMPARE(w->Label12->text(), QStringLiteral("1"));
    QVERIFY(w->Label12->font().pixelSize() < w->Label11->font().pixelSize());
    QVERIFY(w->Label12->y() > w->Label11->y());
    QCOMPARE(w->Label1->text(), QStringLiteral("Вычислить:"));
    QCOMPARE(w->RzComboBox1->currentIndex(), 0);
    QVERIFY(!w->RzComboBox1->isEditable());
    QCOMPARE(w->RzComboBox3->currentText(), QStringLiteral("0"));
    QCOMPARE(w->Button1->text(), QStringLiteral("Решить"));
    QCOMPARE(w->Button1->geometry(), QRect(buttonAt, QSize(75, 25)));
    QCOMPARE(w->Label4->pos(), QPoint(16, 211));
    QCOMPARE(w->Label4->font().pixelSize(), 16);

    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QRect client(QPoint(0, 0), size);
    for (int item = 0; item < w->RzComboBox1->count(); ++item) {
        choose(w, w->RzComboBox1->itemText(item));
        for (QWidget *child : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible() || child == w->Image1)
                continue;
            QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
            if (auto *label = qobject_cast<QLabel *>(child)) {
                const QRect needed =
                    label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text());
                QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                         qPrintable(label->objectName()));
            }
        }
    }
    w->hide();
}

QTEST_MAIN(TestProgressionScreens)
#include "tst_progressionscreens.moc"
