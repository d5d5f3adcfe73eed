// The fraction screen driven through its controls: each operation button,
// the order in which a click writes the result fields, each failure, the
// layout, and the absence of an Enter shortcut.
#include "Unit40.h"
#include "support.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");

}  // namespace

class TestFractionScreen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void operations_data();
    void operations();
    void resultFieldsAreNeverRead();
    void hiddenSteps();
    void layout();
    void noEnterShortcut();

private:
    support::RecordingContext m_context;
    QStringList &m_messages = m_context.recorded;
    support::ScreenSet m_screens;
    TForm40 *m_form = nullptr;
    // Every text the result fields take, in order ("N / D" after both are
    // written, "! message" when a message is shown).
    QStringList m_trace;
    bool m_pending = false;
    void flushTrace();
};

void TestFractionScreen::initTestCase()
{
    m_form = m_screens.add(new TForm40(m_context));
    m_context.messages = [this](const QString &text) {
        flushTrace();
        m_messages << text;
        m_trace << QStringLiteral("! ") + text;
    };
    // A write is the numerator, then the denominator; a numerator alone
    // (over a denominator that stays) is taken at the next event.
    connect(m_form->Edit5, &QLineEdit::textChanged, this, [this] {
        flushTrace();
        m_pending = true;
    });
    connect(m_form->Edit6, &QLineEdit::textChanged, this, [this] {
        m_pending = true;
        flushTrace();
    });
}

void TestFractionScreen::flushTrace()
{
    if (m_pending)
        m_trace << m_form->Edit5->text() + QStringLiteral(" / ") + m_form->Edit6->text();
    m_pending = false;
}

void TestFractionScreen::init()
{
    for (QLineEdit *edit : m_form->findChildren<QLineEdit *>())
        edit->clear();
    m_messages.clear();
    m_trace.clear();
    m_pending = false;
}

void TestFractionScreen::operations_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("inputs");  // Edit1, Edit2, Edit3, Edit4
    QTest::addColumn<QStringList>("trace");

    QTest::newRow("Сложить 1/7 + 1/14") << "Button1" << QStringList{"1", "7", "1", "14"} << QStringList{"21 / 98"};
    QTest::newRow("Сложить 1/7 + 2/7") << "Button1" << QStringList{"1", "7", "2", "7"} << QStringList{"3 / 7"};
    QTest::newRow("Вычесть 1/2 - 2/3") << "Button2" << QStringList{"1", "2", "2", "3"} << QStringList{"-1 / 6"};
    QTest::newRow("Умножить 2/4 * 2/4") << "Button3" << QStringList{"2", "4", "2", "4"} << QStringList{"1 / 4"};
    QTest::newRow("Разделить 3/4 : 3/8, unreduced first")
        << "Button4" << QStringList{"3", "4", "3", "8"} << QStringList{"24 / 12", "2 / 1"};
    QTest::newRow("Сложить 128/256 + 0/1") << "Button1" << QStringList{"128", "256", "0", "1"}
                                           << QStringList{"2 / 4", "1 / 2"};
    QTest::newRow("Разделить 1/2 : 0/5") << "Button4" << QStringList{"1", "2", "0", "5"} << QStringList{"1 / 0"};
    QTest::newRow("Разделить 5/1 : 0/1, only the numerator reduces")
        << "Button4" << QStringList{"5", "1", "0", "1"} << QStringList{"5 / 0", "1 / 0"};
    QTest::newRow("zero denominator") << "Button1" << QStringList{"1", "0", "1", "2"} << QStringList{"! " + kInvalid};
    QTest::newRow("not a whole number") << "Button3" << QStringList{"1,5", "2", "1", "2"}
                                        << QStringList{"! " + kInvalid};
    QTest::newRow("input beyond 32 bits") << "Button2" << QStringList{"2147483648", "1", "1", "1"}
                                          << QStringList{"! " + kInvalid};
    QTest::newRow("result beyond 32 bits stays unreduced")
        << "Button1" << QStringList{"2147483647", "1", "1", "1"} << QStringList{"2147483648 / 1", "! " + kInvalid};
}

void TestFractionScreen::operations()
{
    QFETCH(QString, button);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, trace);

    QVERIFY(support::showActive(m_form));
    for (int k = 0; k < 4; ++k)
        support::typeInto(m_form, QStringLiteral("Edit%1").arg(k + 1), inputs[k]);
    QTest::mouseClick(support::control<QPushButton>(m_form, button), Qt::LeftButton);
    flushTrace();
    QCOMPARE(m_trace, trace);
    support::hideScreen(m_form);
}

// Whatever the user types into the result fields is overwritten, never read.
void TestFractionScreen::resultFieldsAreNeverRead()
{
    support::type(m_form->Edit5, QStringLiteral("abc"));
    support::type(m_form->Edit6, QStringLiteral("0"));
    support::type(m_form->Edit1, QStringLiteral("1"));
    support::type(m_form->Edit2, QStringLiteral("2"));
    support::type(m_form->Edit3, QStringLiteral("1"));
    support::type(m_form->Edit4, QStringLiteral("3"));
    m_form->Button1->click();
    QCOMPARE(m_form->Edit5->text(), QStringLiteral("5"));
    QCOMPARE(m_form->Edit6->text(), QStringLiteral("6"));
    QVERIFY(m_messages.isEmpty());

    // A failed click leaves them as they were.
    support::type(m_form->Edit4, QStringLiteral("0"));
    m_form->Button2->click();
    QCOMPARE(m_form->Edit5->text(), QStringLiteral("5"));
    QCOMPARE(m_form->Edit6->text(), QStringLiteral("6"));
    QCOMPARE(m_messages, QStringList{kInvalid});
}

// The internal steps work on the values of the last click: the input
// reductions change no field, the result's shows its outcome.
void TestFractionScreen::hiddenSteps()
{
    auto fill = [](TForm40 *form, const char *n1, const char *d1, const char *n2, const char *d2) {
        support::type(form->Edit1, QLatin1String(n1));
        support::type(form->Edit2, QLatin1String(d1));
        support::type(form->Edit3, QLatin1String(n2));
        support::type(form->Edit4, QLatin1String(d2));
    };
    // 1/128 x 128/1 is 128/128; six passes by 2 leave 2/2, a seventh gives 1/1.
    fill(m_form, "1", "128", "128", "1");
    m_form->Button3->click();
    QCOMPARE(m_form->Edit5->text(), QStringLiteral("2"));
    QCOMPARE(m_form->Edit6->text(), QStringLiteral("2"));
    m_form->Button6->click();
    QCOMPARE(m_form->Edit5->text(), QStringLiteral("1"));
    QCOMPARE(m_form->Edit6->text(), QStringLiteral("1"));

    // 128/256 is left at 2/4 by the click; the first step takes it to 1/2.
    fill(m_form, "128", "256", "0", "1");
    m_form->Button1->click();
    QCOMPARE(m_form->values().n1, 2.0);
    QCOMPARE(m_form->values().d1, 4.0);
    m_trace.clear();
    m_form->Button5->click();
    m_form->Button7->click();
    QCOMPARE(m_form->values().n1, 1.0);
    QCOMPARE(m_form->values().d1, 2.0);
    QCOMPARE(m_form->values().n2, 0.0);
    QCOMPARE(m_form->values().d2, 1.0);
    QCOMPARE(m_form->Edit1->text(), QStringLiteral("128"));
    QCOMPARE(m_form->Edit2->text(), QStringLiteral("256"));
    QVERIFY(m_trace.isEmpty());

    // A result beyond the range: the step shows the message and nothing else.
    fill(m_form, "2147483647", "1", "1", "1");
    m_form->Button1->click();
    m_messages.clear();
    m_form->Button6->click();
    QCOMPARE(m_messages, QStringList{kInvalid});
    QCOMPARE(m_form->Edit5->text(), QStringLiteral("2147483648"));
}

void TestFractionScreen::layout()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Операции с дробями"));
    QCOMPARE(m_form->minimumSize(), QSize(456, 153));
    QCOMPARE(m_form->maximumSize(), QSize(456, 153));
    QCOMPARE(m_form->pos(), QPoint(266, 251));

    const struct {
        const char *name;
        QPoint at;
        QString text;
    } buttons[] = {
        {"Button1", {16, 120}, QStringLiteral("Сложить")},
        {"Button2", {104, 120}, QStringLiteral("Вычесть")},
        {"Button4", {192, 120}, QStringLiteral("Разделить")},
        {"Button3", {280, 120}, QStringLiteral("Умножить")},
    };
    for (const auto &button : buttons) {
        auto *control = support::control<QPushButton>(m_form, QLatin1String(button.name));
        QCOMPARE(control->geometry(), QRect(button.at, QSize(75, 25)));
        QCOMPARE(control->text(), button.text);
        QVERIFY(!control->isHidden());
    }

    const struct {
        const char *name;
        QPoint at;
    } fields[] = {{"Edit1", {16, 56}},  {"Edit2", {16, 88}},  {"Edit3", {152, 56}},
                  {"Edit4", {152, 88}}, {"Edit5", {312, 56}}, {"Edit6", {312, 88}}};
    for (const auto &field : fields) {
        auto *edit = support::control<QLineEdit>(m_form, QLatin1String(field.name));
        QCOMPARE(edit->pos(), field.at);
        QCOMPARE(edit->width(), 121);
        QVERIFY(!edit->isReadOnly());
    }

    // Three black bars, 105 x 2, between numerator and denominator.
    const struct {
        const char *name;
        QPoint at;
    } bars[] = {{"Image2", {24, 82}}, {"Image3", {160, 82}}, {"Image4", {320, 82}}};
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    const QImage shot = m_form->grab().toImage();
    for (const auto &bar : bars) {
        auto *image = support::control<calc::TImage>(m_form, QLatin1String(bar.name));
        QCOMPARE(image->geometry(), QRect(bar.at, QSize(105, 2)));
        QCOMPARE(shot.pixelColor(bar.at + QPoint(52, 1)), QColor(Qt::black));
    }

    // The internal steps: two below the bottom edge, one hidden.
    QVERIFY(m_form->Button5->y() >= 153);
    QVERIFY(m_form->Button7->y() >= 153);
    QVERIFY(m_form->Button6->isHidden());
    QCOMPARE(m_form->Button5->text(), QStringLiteral("Сократить первую дробь"));
    QCOMPARE(m_form->Button7->text(), QStringLiteral("Сократить вторую дробь"));
    QCOMPARE(m_form->Button6->text(), QStringLiteral("Сократить ответ"));

    const struct {
        const char *name;
        QPoint at;
        QString text;
    } labels[] = {
        {"Label12", {155, 5}, QStringLiteral("Операции с дробями")},
        {"Label7", {56, 32}, QStringLiteral("Дробь 1")},
        {"Label10", {192, 32}, QStringLiteral("Дробь 2")},
        {"Label11", {352, 32}, QStringLiteral("Ответ")},
        {"Label13", {288, 62}, QStringLiteral("=")},
        {"Label14", {288, 90}, QStringLiteral("=")},
    };
    const QRect client(QPoint(0, 0), m_form->size());
    for (const auto &label : labels) {
        auto *control = support::control<QLabel>(m_form, QLatin1String(label.name));
        QCOMPARE(control->pos(), label.at);
        QCOMPARE(control->text(), label.text);
        QVERIFY2(client.contains(control->geometry()), label.name);
    }
    QVERIFY(m_form->Label12->font().bold());
    QCOMPARE(m_form->Label12->font().pixelSize(), 15);
    m_form->hide();
}

// No hidden Enter item: Enter in a field computes nothing.
void TestFractionScreen::noEnterShortcut()
{
    QVERIFY(m_form->jkujk1 == nullptr);
    QVERIFY(m_form->MainMenu1 == nullptr);
    for (const QAction *action : m_form->findChildren<QAction *>())
        QVERIFY2(!action->shortcuts().contains(QKeySequence(Qt::Key_Return)), qPrintable(action->objectName()));

    QVERIFY(support::showActive(m_form));
    support::type(m_form->Edit1, QStringLiteral("1"));
    support::type(m_form->Edit2, QStringLiteral("2"));
    support::type(m_form->Edit3, QStringLiteral("1"));
    support::type(m_form->Edit4, QStringLiteral("3"));
    for (QWidget *target : {static_cast<QWidget *>(m_form->Edit4), static_cast<QWidget *>(m_form->Button1)}) {
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
    }
    QVERIFY(m_form->Edit5->text().isEmpty());
    QVERIFY(m_messages.isEmpty());
    support::hideScreen(m_form);
}

QTEST_MAIN(TestFractionScreen)
#include "tst_fractionscreen.moc"
