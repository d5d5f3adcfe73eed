// The five conversion screens driven through their controls, found by object
// name: their look, a conversion by button and by Enter, bad input, and the
// answer waiting for the next click.
#include "Unit18.h"
#include "Unit20.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "appearance.h"
#include "support.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kInvalid = QStringLiteral("Ошибка! Вы ввели неправильное значение!!!");
// An answer line no conversion writes: rows that expect no answer see it kept.
const QString kEarlierAnswer = QStringLiteral("Ответ: 777  Грамм");

}  // namespace

class TestConvertScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void screenLook_data();
    void screenLook();
    void byButton_data();
    void byButton();
    void byEnter_data();
    void byEnter();
    void badInput_data();
    void badInput();
    void listChangeWaitsForClick_data();
    void listChangeWaitsForClick();
    void informationHasNoRoundingList();

private:
    QWidget *screen(const QString &name) const;
    void fill(QWidget *screen, const QString &value, const QString &from, const QString &to,
              const QString &rounding);
    static QComboBox *list(QWidget *screen, const char *name) { return screen->findChild<QComboBox *>(name); }
    static QString answer(QWidget *screen) { return screen->findChild<QLabel *>(QStringLiteral("Label4"))->text(); }

    support::RecordingContext m_context;
    support::ScreenSet m_screens;
    QStringList &m_messages = m_context.recorded;
};

void TestConvertScreens::initTestCase()
{
    Form7 = m_screens.add(new TForm7(m_context));
    Form8 = m_screens.add(new TForm8(m_context));
    Form9 = m_screens.add(new TForm9(m_context));
    Form18 = m_screens.add(new TForm18(m_context));
    Form20 = m_screens.add(new TForm20(m_context));
}

void TestConvertScreens::cleanupTestCase() {}

void TestConvertScreens::init()
{
    m_messages.clear();
    for (QWidget *w : m_screens.all()) {
        w->findChild<QLineEdit *>(QStringLiteral("Edit1"))->clear();
        list(w, "RzComboBox1")->setCurrentIndex(0);
        list(w, "RzComboBox2")->setCurrentIndex(0);
        if (QComboBox *rounding = list(w, "RzComboBox3"))
            rounding->setEditText(QStringLiteral("0"));
        w->findChild<calc::TAnswerLabel *>(QStringLiteral("Label4"))->setCaption(kEarlierAnswer);
    }
}

QWidget *TestConvertScreens::screen(const QString &name) const { return m_screens.byName(name); }

void TestConvertScreens::fill(QWidget *w, const QString &value, const QString &from, const QString &to,
                              const QString &rounding)
{
    // Typed key by key, as the user does.
    support::typeInto(w, QStringLiteral("Edit1"), value);
    for (const auto &[name, unit] : {std::pair{"RzComboBox1", from}, std::pair{"RzComboBox2", to}})
        QVERIFY2(support::choose(list(w, name), unit), qPrintable(unit));
    if (list(w, "RzComboBox3"))
        support::typeInto(w, QStringLiteral("RzComboBox3"), rounding);
}

void TestConvertScreens::screenLook_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("roundingTail");  // empty: no rounding list

    QTest::newRow("mass") << "Form7" << "Меры массы" << QSize(377, 246) << QPoint(232, 254)
                          << "Перевод единиц масс" << 17 << "Килограмм" << "нулей после запятой";
    QTest::newRow("length") << "Form8" << "Меры длины" << QSize(396, 246) << QPoint(293, 240) << "Перевод длин"
                            << 19 << "Метр" << "нулей после запятой";
    QTest::newRow("temperature") << "Form9" << "Температура" << QSize(386, 237) << QPoint(301, 236)
                                 << "Перевод температур" << 4 << "Цельсий" << "нулей после запятой.";
    QTest::newRow("information") << "Form18" << "Единицы информации" << QSize(396, 205) << QPoint(308, 243)
                                 << "Перевод единиц информации" << 14 << "бит" << "";
    QTest::newRow("speed") << "Form20" << "Скорость" << QSize(386, 237) << QPoint(311, 237) << "Перевод скорости"
                           << 5 << "M / сек." << "нулей после запятой";
}

// Caption, fixed size, first position, texts, the two lists, the focus, and
// every visible control inside the window.
void TestConvertScreens::screenLook()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QString, heading);
    QFETCH(int, units);
    QFETCH(QString, first);
    QFETCH(QString, roundingTail);

    QWidget *w = this->screen(screen);
    QCOMPARE(w->pos(), position);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), size);
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label2"))->text(), heading);
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Перевести"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("в"));
    QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("Button1"))->text(), QStringLiteral("Перевести"));

    QComboBox *from = list(w, "RzComboBox1");
    QComboBox *to = list(w, "RzComboBox2");
    QCOMPARE(from->count(), units);
    QStringList fromItems, toItems;
    for (int k = 0; k < units; ++k) {
        fromItems << from->itemText(k);
        toItems << to->itemText(k);
    }
    QCOMPARE(toItems, fromItems);
    QCOMPARE(from->currentText(), first);
    QCOMPARE(to->currentText(), first);
    QVERIFY(!from->isEditable() && !to->isEditable());

    QComboBox *rounding = list(w, "RzComboBox3");
    QCOMPARE(rounding != nullptr, !roundingTail.isEmpty());
    if (rounding) {
        QCOMPARE(rounding->currentText(), QStringLiteral("0"));
        QCOMPARE(rounding->count(), 11);
        QVERIFY(rounding->isEditable());
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label6"))->text(), QStringLiteral("Округлить до:"));
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label7"))->text(), roundingTail);
    }

    auto *answer = w->findChild<calc::TAnswerLabel *>(QStringLiteral("Label4"));
    QCOMPARE(answer->font().pixelSize(), 16);

    QVERIFY(support::showActive(w));
    QTRY_COMPARE(QApplication::focusWidget(), w->findChild<QLineEdit *>(QStringLiteral("Edit1")));
    for (QWidget *child : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->objectName() == u"Image1" || child->objectName().isEmpty())
            continue;
        QVERIFY2(w->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    support::hideScreen(w);
}

void TestConvertScreens::byButton_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");

    QTest::newRow("mass 5 kg to grams") << "Form7" << "5" << "Килограмм" << "Грамм" << "2"
                                        << "Ответ: 5000,00  Грамм";
    QTest::newRow("length verst to sazhens") << "Form8" << "1" << "Верста" << "Сажень" << "0"
                                             << "Ответ: 500  Сажень";
    QTest::newRow("temperature 100 C to K") << "Form9" << "100" << "Цельсий" << "Кельвин" << "2"
                                            << "Ответ: 373,15  Кельвин";
    QTest::newRow("information megabytes to gigabytes") << "Form18" << "1536" << "мегабайт" << "гигабайт" << ""
                                                        << "Ответ: 1,5  гигабайт";
    QTest::newRow("speed m/s to knots") << "Form20" << "1" << "M / сек." << "Узлов" << "4" << "Ответ: 1,9438  Узлов";
}

void TestConvertScreens::byButton()
{
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);

    QWidget *w = this->screen(screen);
    fill(w, value, from, to, rounding);
    QVERIFY(support::showActive(w));
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(this->answer(w), answer);
    QVERIFY(m_messages.isEmpty());

    // Hovering shows the whole line as the hint.
    auto *label = w->findChild<QLabel *>(QStringLiteral("Label4"));
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), label->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &move);
    QCOMPARE(label->toolTip(), answer);
    support::hideScreen(w);
}

void TestConvertScreens::byEnter_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");

    QTest::newRow("mass drops the sign") << "Form7" << "Edit1" << "-3" << "Килограмм" << "Грамм" << "0"
                                         << "Ответ: 3000  Грамм";
    QTest::newRow("length foot to yard") << "Form8" << "Edit1" << "1" << "Фут" << "Ярд" << "10"
                                         << "Ответ: 0,3333333333  Ярд";
    QTest::newRow("temperature from the rounding list") << "Form9" << "RzComboBox3" << "0" << "Кельвин"
                                                        << "Фаренгейт" << "3" << "Ответ: -459,670  Фаренгейт";
    QTest::newRow("information bit to byte") << "Form18" << "Edit1" << "1" << "бит" << "байт" << ""
                                             << "Ответ: 0,125  байт";
    QTest::newRow("information from the to-list") << "Form18" << "RzComboBox2" << "-1" << "байт" << "бит" << ""
                                                   << "Ответ: -8  бит";
    QTest::newRow("speed from the from-list") << "Form20" << "RzComboBox1" << "100" << "Англ. миль / ч."
                                              << "Узлов" << "1" << "Ответ: 86,9  Узлов";
}

void TestConvertScreens::byEnter()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);

    QWidget *w = this->screen(screen);
    fill(w, value, from, to, rounding);
    QVERIFY(support::showActive(w));
    auto *target = w->findChild<QWidget *>(control);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(this->answer(w), answer);
    QVERIFY(m_messages.isEmpty());
    support::hideScreen(w);
}

void TestConvertScreens::badInput_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("rounding");

    QTest::newRow("mass letters") << "Form7" << "abc" << "0";
    QTest::newRow("mass empty value") << "Form7" << "" << "0";
    QTest::newRow("mass bad rounding") << "Form7" << "5" << "abc";
    QTest::newRow("length point under a comma locale") << "Form8" << "2.5" << "0";
    QTest::newRow("length bad rounding") << "Form8" << "5" << "1,5";
    QTest::newRow("temperature letters") << "Form9" << "abc" << "0";
    QTest::newRow("temperature bad rounding") << "Form9" << "5" << "x";
    QTest::newRow("information empty value") << "Form18" << "" << "";
    QTest::newRow("information letters") << "Form18" << "12kb" << "";
    QTest::newRow("speed letters") << "Form20" << "fast" << "0";
    QTest::newRow("speed bad rounding") << "Form20" << "5" << "2 ";
}

// One message, and the answer line keeps what it showed.
void TestConvertScreens::badInput()
{
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(QString, rounding);

    QWidget *w = this->screen(screen);
    auto *units = list(w, "RzComboBox2");
    fill(w, value, units->itemText(0), units->itemText(1), rounding);
    w->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QCOMPARE(m_messages, QStringList{kInvalid});
    QCOMPARE(answer(w), kEarlierAnswer);
}

void TestConvertScreens::listChangeWaitsForClick_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("nextTo");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("nextAnswer");

    QTest::newRow("mass") << "Form7" << "1" << "Грамм" << "Карат" << "Миллиграм" << "0" << "Ответ: 5  Карат"
                          << "Ответ: 1000  Миллиграм";
    QTest::newRow("length") << "Form8" << "1" << "Ярд" << "Фут" << "Дюйм" << "0" << "Ответ: 3  Фут"
                            << "Ответ: 36  Дюйм";
    QTest::newRow("temperature") << "Form9" << "212" << "Фаренгейт" << "Цельсий" << "Реомюр" << "0"
                                 << "Ответ: 100  Цельсий" << "Ответ: 80  Реомюр";
    QTest::newRow("information") << "Form18" << "1" << "килобайт" << "бит" << "байт" << "" << "Ответ: 8192  бит"
                                 << "Ответ: 1024  байт";
    QTest::newRow("speed") << "Form20" << "10" << "M / сек." << "Км. / ч." << "Врс. / ч." << "0"
                           << "Ответ: 36  Км. / ч." << "Ответ: 34  Врс. / ч.";
}

void TestConvertScreens::listChangeWaitsForClick()
{
    QFETCH(QString, screen);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, nextTo);
    QFETCH(QString, rounding);
    QFETCH(QString, answer);
    QFETCH(QString, nextAnswer);

    QWidget *w = this->screen(screen);
    auto *button = w->findChild<QPushButton *>(QStringLiteral("Button1"));
    fill(w, value, from, to, rounding);
    button->click();
    QCOMPARE(this->answer(w), answer);

    QComboBox *units = list(w, "RzComboBox2");
    units->setCurrentIndex(units->findText(nextTo));
    QCOMPARE(units->currentText(), nextTo);
    QCOMPARE(this->answer(w), answer);
    QComboBox *fromUnits = list(w, "RzComboBox1");
    fromUnits->setCurrentIndex(fromUnits->count() - 1);
    fromUnits->setCurrentIndex(fromUnits->findText(from));
    QCOMPARE(this->answer(w), answer);

    button->click();
    QCOMPARE(this->answer(w), nextAnswer);
    QVERIFY(m_messages.isEmpty());
}

// The information screen reads its digits from a hidden label, and its Enter
// item has a name of its own.
void TestConvertScreens::informationHasNoRoundingList()
{
    QVERIFY(!Form18->findChild<QComboBox *>(QStringLiteral("RzComboBox3")));
    QVERIFY(!Form18->findChild<QLabel *>(QStringLiteral("Label6")));
    QVERIFY(!Form18->findChild<QLabel *>(QStringLiteral("Label7")));
    QCOMPARE(Form18->findChildren<QComboBox *>().size(), 2);
    auto *digits = Form18->findChild<QLabel *>(QStringLiteral("Label5"));
    QVERIFY(digits);
    QCOMPARE(digits->text(), QStringLiteral("1"));
    QVERIFY(digits->isHidden());
    QVERIFY(!Form18->findChild<QAction *>(QStringLiteral("jkujk1")));
    QAction *enter = Form18->findChild<QAction *>(QStringLiteral("MenuItem2"));
    QVERIFY(enter);
    QCOMPARE(enter, Form18->MenuItem2);

    fill(Form18, QStringLiteral("1"), QStringLiteral("эксабит"), QStringLiteral("бит"), QString());
    enter->trigger();
    QCOMPARE(answer(Form18), QStringLiteral("Ответ: 1,15292150460684698E18  бит"));
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestConvertScreens)
#include "tst_convertscreens.moc"
