// The reference screens driven through their controls: the lookups' first
// facts and selections, the constants list loading its data files (missing,
// hostile and well-formed ones, level with their captions), the SI prefix
// tables as drawn, and the SI definitions following the item clicked last.
#include "Unit12.h"
#include "Unit32.h"
#include "Unit33.h"
#include "Unit34.h"
#include "Unit35.h"
#include "Unit36.h"
#include "Unit38.h"
#include "Unit39.h"
#include "Unit53.h"
#include "constants.h"
#include "support.h"

#include <QAbstractTextDocumentLayout>
#include <QListWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Runs the test's body with another working directory.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const QString &path) : m_before(QDir::currentPath()) { QDir::setCurrent(path); }
    ~WorkingDirectory() { QDir::setCurrent(m_before); }

private:
    QString m_before;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList texts(const std::vector<QLabel *> &labels)
{
    QStringList shown;
    for (const QLabel *label : labels)
        shown << label->text();
    return shown;
}

// Clicks an item of a list box as a user would.
void clickItem(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// The baseline of a label's first line, in its window's pixels.
int labelBaseline(const QLabel *label)
{
    return label->mapTo(label->window(), label->contentsRect().topLeft()).y() + label->fontMetrics().ascent();
}

}  // namespace

class TestReferenceScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void lookupLook_data();
    void lookupLook();
    void lookupSelections_data();
    void lookupSelections();
    void lookupFollowsTheKeyboard();
    void lookupKeepsLabelsForUnknownText();
    void lookupSelectionSurvivesClosing();
    void lakesScreenResizes();
    void planetsLook();

    void constantsStart();
    void constantsLoadByMouseAndKeyboard();
    void constantsMissingFile();
    void constantsHostileFiles_data();
    void constantsHostileFiles();
    void constantsClickReloads();
    void everyDataFileFitsBesideItsCaptions();

    void prefixTables_data();
    void prefixTables();

    void definitionsStart();
    void definitionsFollowTheLastClick();

private:
    QWidget *screen(const QString &name) const { return m_screens.byName(name); }

    support::RecordingContext m_context;
    support::ScreenSet m_screens;
    QStringList &m_messages = m_context.recorded;
};

void TestReferenceScreens::initTestCase()
{
    Form12 = m_screens.add(new TForm12(m_context));
    Form32 = m_screens.add(new TForm32(m_context));
    Form33 = m_screens.add(new TForm33(m_context));
    Form34 = m_screens.add(new TForm34(m_context));
    Form35 = m_screens.add(new TForm35(m_context));
    Form36 = m_screens.add(new TForm36(m_context));
    Form38 = m_screens.add(new TForm38(m_context));
    Form39 = m_screens.add(new TForm39(m_context));
    Form53 = m_screens.add(new TForm53(m_context));
}

void TestReferenceScreens::init() { m_messages.clear(); }

void TestReferenceScreens::lookupLook_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("first");

    QTest::newRow("density: the first heading, empty")
        << "Form12" << "Плотность веществ" << QSize(377, 247) << "RzComboBox1" << "Label3" << "";
    QTest::newRow("speed") << "Form32" << "Скорость различных объектов" << QSize(411, 252) << "RzComboBox3"
                           << "Label5" << "0.009 км/ч";
    QTest::newRow("mountains") << "Form33" << "Самые высокие горы" << QSize(392, 246) << "RzComboBox3" << "Label5"
                               << "8848 м.";
    QTest::newRow("lakes") << "Form34" << "Самые большие озёра" << QSize(392, 246) << "RzComboBox3" << "Label5"
                           << "371000 кв. км.";
    QTest::newRow("rivers") << "Form35" << "Самые длинные реки" << QSize(392, 246) << "RzComboBox4" << "Label5"
                            << "6670 км.";
    QTest::newRow("planets") << "Form36" << "Краткая справка по планетам" << QSize(462, 208) << "RzComboBox4"
                             << "Label5" << "4878 км.";
}

// From creation on each screen shows its first item's fact: the design-time
// "45" never appears.
void TestReferenceScreens::lookupLook()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QString, list);
    QFETCH(QString, value);
    QFETCH(QString, first);

    auto *form = static_cast<reference::LookupScreen *>(this->screen(screen));
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->size(), size);
    auto *box = support::control<QComboBox>(form, list);
    QVERIFY(box);
    QVERIFY(!box->isEditable());
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(box->count(), qsizetype(form->table().facts.size()));
    QVERIFY(box->font().bold());
    QCOMPARE(box->palette().color(QPalette::ButtonText), QColor(0, 0, 128));
    // Every item shows whole in the closed list.
    QVERIFY2(reference::widestItem(box) <= reference::textWidth(box),
             qPrintable(u"%1 > %2"_s.arg(reference::widestItem(box)).arg(reference::textWidth(box))));
    auto *label = support::control<QLabel>(form, value);
    QVERIFY(label);
    QCOMPARE(label->text(), first);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    if (screen != u"Form36")
        QCOMPARE(label->font().pixelSize(), 21);
    for (const QLabel *any : form->findChildren<QLabel *>())
        QVERIFY2(any->text() != u"45", qPrintable(any->objectName()));
    // No polling: the screens have no timers.
    QVERIFY(form->findChildren<QTimer *>().isEmpty());
    QVERIFY(form->findChild<calc::TImage *>(u"Image1"_s));
}

void TestReferenceScreens::lookupSelections_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("items");  // chosen one after the other
    QTest::addColumn<QStringList>("values");

    const QStringList earth = {u"12756 км."_s, u"24 часа"_s, u"365,26 дня"_s, u"один"_s,
                               u"значительную часть поверхности занимают океаны"_s};
    QTest::newRow("density: a substance, then a heading sets a blank")
        << "Form12" << QStringList{u"ртуть"_s, u"---Твердые вещества---"_s} << QStringList{u" "_s};
    QTest::newRow("density: a blank heading, then the first empties")
        << "Form12" << QStringList{u"---Жидкости---"_s, u"---Газообразные вещества---"_s} << QStringList{u""_s};
    QTest::newRow("density: water vapour at 1000 °C")
        << "Form12" << QStringList{u"водяной пар при 1000°С и 101,3 кПа"_s} << QStringList{u"0,17 кг/м3"_s};
    QTest::newRow("speed: the merganser is the cheetah's")
        << "Form32" << QStringList{u"Длинноносый крохаль"_s} << QStringList{u"100 км/ч"_s};
    QTest::newRow("speed: quotes inside the item")
        << "Form32" << QStringList{u"Гоночная машина \"Формулы-1\""_s} << QStringList{u"320 км/ч"_s};
    QTest::newRow("mountains: the last") << "Form33" << QStringList{u"Аннапурна"_s} << QStringList{u"8075 м."_s};
    QTest::newRow("lakes: Victoria") << "Form34" << QStringList{u"Виктория (Африка)"_s}
                                     << QStringList{u"68800 кв. км."_s};
    QTest::newRow("rivers: the Ob") << "Form35" << QStringList{u"Обь с Иртышом (Азия)"_s}
                                    << QStringList{u"5410 км."_s};
    QTest::newRow("planets: Earth sets all five rows") << "Form36" << QStringList{u"Земля"_s} << earth;
}

void TestReferenceScreens::lookupSelections()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, items);
    QFETCH(QStringList, values);

    auto *form = static_cast<reference::LookupScreen *>(this->screen(screen));
    auto *list = form->findChild<QComboBox *>();
    QStringList names = {u"Label5"_s};
    if (screen == u"Form12")
        names = {u"Label3"_s};
    else if (screen == u"Form36")
        names = {u"Label5"_s, u"Label11"_s, u"Label7"_s, u"Label9"_s, u"Label10"_s};
    std::vector<QLabel *> labels;
    for (const QString &name : names)
        labels.push_back(support::control<QLabel>(form, name));
    QCOMPARE(qsizetype(labels.size()), values.size());
    for (const QString &item : items)
        QVERIFY2(support::choose(list, item), qPrintable(item));
    QCOMPARE(texts(labels), values);
    list->setCurrentIndex(0);
}

void TestReferenceScreens::lookupFollowsTheKeyboard()
{
    QVERIFY(support::showActive(Form35));
    Form35->RzComboBox4->setFocus();
    QTRY_VERIFY(Form35->RzComboBox4->hasFocus());
    QTest::keyClick(Form35->RzComboBox4, Qt::Key_Down);
    QCOMPARE(Form35->RzComboBox4->currentText(), u"Амазонка (Южная Америка)"_s);
    QCOMPARE(Form35->Label5->text(), u"6570 км."_s);
    QTest::keyClick(Form35->RzComboBox4, Qt::Key_End);
    QCOMPARE(Form35->Label5->text(), u"4416 км."_s);
    Form35->RzComboBox4->setCurrentIndex(0);
    support::hideScreen(Form35);
}

void TestReferenceScreens::lookupKeepsLabelsForUnknownText()
{
    QVERIFY(support::choose(Form33->RzComboBox3, u"Макалу"_s));
    QCOMPARE(Form33->Label5->text(), u"8463 м."_s);
    // No item: the list's text matches nothing and the value stays.
    Form33->RzComboBox3->setCurrentIndex(-1);
    QCOMPARE(Form33->RzComboBox3->currentText(), QString());
    QCOMPARE(Form33->Label5->text(), u"8463 м."_s);
    Form33->RzComboBox3->setCurrentIndex(0);
    QCOMPARE(Form33->Label5->text(), u"8848 м."_s);
}

void TestReferenceScreens::lookupSelectionSurvivesClosing()
{
    QVERIFY(support::showActive(Form32));
    QVERIFY(support::choose(Form32->RzComboBox3, u"Пуля"_s));
    Form32->close();
    QVERIFY(!Form32->isVisible());
    QVERIFY(support::showActive(Form32));
    QCOMPARE(Form32->RzComboBox3->currentText(), u"Пуля"_s);
    QCOMPARE(Form32->Label5->text(), u"2500 км/ч"_s);
    Form32->RzComboBox3->setCurrentIndex(0);
    support::hideScreen(Form32);
}

void TestReferenceScreens::lakesScreenResizes()
{
    QVERIFY(support::showActive(Form34));
    QVERIFY(Form34->minimumSize() != Form34->maximumSize());
    QCOMPARE(Form34->Image1->geometry(), Form34->rect());
    const QRect list = Form34->RzComboBox3->geometry();
    const QRect value = Form34->Label5->geometry();
    Form34->resize(640, 420);
    QTRY_COMPARE(Form34->size(), QSize(640, 420));
    QCOMPARE(Form34->RzComboBox3->geometry(), list);
    QCOMPARE(Form34->Label5->geometry(), value);
    QCOMPARE(Form34->Image1->geometry(), Form34->rect());
    QVERIFY(Form34->Image1->stretch());
    // The other lookups keep their size.
    QCOMPARE(Form35->minimumSize(), Form35->maximumSize());
    Form34->resize(392, 246);
    support::hideScreen(Form34);
}

void TestReferenceScreens::planetsLook()
{
    QCOMPARE(Form36->Label5->font().pixelSize(), 16);
    QCOMPARE(Form36->Label11->font().pixelSize(), 16);
    QCOMPARE(Form36->Label10->font().pixelSize(), 13);
    const QStringList captions = {u"Диаметр:"_s, u"Сутки:"_s, u"Год:"_s, u"Спутники:"_s, u"Особенности:"_s};
    const std::vector<QLabel *> values = {Form36->Label5, Form36->Label11, Form36->Label7, Form36->Label9,
                                          Form36->Label10};
    // Each row's caption stands on the left of its value, top to bottom.
    int y = 0;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const QLabel *caption = nullptr;
        for (const QLabel *label : Form36->findChildren<QLabel *>())
            if (label->text() == captions[qsizetype(k)])
                caption = label;
        QVERIFY2(caption, qPrintable(captions[qsizetype(k)]));
        QVERIFY(caption->geometry().right() < values[k]->x());
        QVERIFY(std::abs(caption->y() - values[k]->y()) < 6);
        QVERIFY(values[k]->y() > y);
        y = values[k]->y();
        QVERIFY(values[k]->geometry().bottom() < Form36->height());
    }
    // The longest text of every row fits its label.
    for (const reference::Fact &fact : Form36->table().facts)
        for (std::size_t k = 0; k < values.size(); ++k) {
            const QLabel *label = values[k];
            const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap,
                                                                    fact.values[qsizetype(k)]);
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(fact.values[qsizetype(k)]));
        }
}

void TestReferenceScreens::constantsStart()
{
    QCOMPARE(Form38->windowTitle(), u"Основные константы (постоянные) всего:64"_s);
    QCOMPARE(Form38->size(), QSize(392, 246));
    QCOMPARE(Form38->ListBox1->count(), 64);
    QVERIFY(!Form38->ListBox1->isSortingEnabled());
    for (int k = 0; k < 64; ++k)
        QCOMPARE(Form38->ListBox1->item(k)->text(), reference::constantNames()[k]);
    QCOMPARE(Form38->ListBox1->item(16)->text(), u"Магнитный квантовый поток  "_s);
    QCOMPARE(Form38->RichEdit1->size(), QSize(277, 89));
    QCOMPARE(Form38->RichEdit1->frameShape(), QFrame::NoFrame);
    QVERIFY(Form38->RichEdit1->isReadOnly());
    QCOMPARE(Form38->RichEdit1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(Form38->RichEdit1->textInteractionFlags(), Qt::NoTextInteraction);
    QVERIFY(Form38->RichEdit1->x() > Form38->Label1->geometry().right());
    QVERIFY(Form38->Label1->y() < Form38->Label2->y());

    // Showing the screen and giving the list the focus selects nothing and
    // loads nothing.
    QVERIFY(support::showActive(Form38));
    Form38->ListBox1->setFocus();
    QTRY_VERIFY(Form38->ListBox1->hasFocus());
    QVERIFY(Form38->ListBox1->selectedItems().isEmpty());
    QVERIFY(Form38->RichEdit1->toPlainText().isEmpty());
    QVERIFY(m_messages.isEmpty());
    support::hideScreen(Form38);
}

void TestReferenceScreens::constantsLoadByMouseAndKeyboard()
{
    const WorkingDirectory beside(QStringLiteral(KALKORT_BUILD_DIR));
    QVERIFY(support::showActive(Form38));
    Form38->ListBox1->scrollToTop();
    clickItem(Form38->ListBox1, 0);
    QCOMPARE(Form38->ListBox1->currentRow(), 0);
    QCOMPARE(Form38->RichEdit1->toPlainText().trimmed(), u"t0\n−273,15 °С (0 К)"_s);

    // "Ядерный магнетон", the last item, by the keyboard.
    QTest::keyClick(Form38->ListBox1, Qt::Key_End);
    QCOMPARE(Form38->ListBox1->currentItem()->text(), u"Ядерный магнетон"_s);
    QCOMPARE(Form38->RichEdit1->toPlainText().trimmed(), u"μN\n5,050 783 746 1·10−27 Дж/Тл"_s);
    QTest::keyClick(Form38->ListBox1, Qt::Key_Up);
    QVERIFY(Form38->RichEdit1->toPlainText().startsWith(u"L⊙"_s));
    QVERIFY(m_messages.isEmpty());
    Form38->ListBox1->clearSelection();
    support::hideScreen(Form38);
}

void TestReferenceScreens::constantsMissingFile()
{
    QTemporaryDir empty;
    const WorkingDirectory elsewhere(empty.path());
    QVERIFY(writeFile(empty.filePath(u"DATA/4.sch"_s), "<p>G</p><p>6,674 30·10<sup>−11</sup></p>"));
    QVERIFY(support::showActive(Form38));
    clickItem(Form38->ListBox1, 4);
    QCOMPARE(Form38->RichEdit1->toPlainText(), u"G\n6,674 30·10−11"_s);
    QVERIFY(m_messages.isEmpty());

    // One click, one message; the area keeps the constant it showed.
    clickItem(Form38->ListBox1, 5);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains(u"\"DATA/5.sch\""_s), qPrintable(m_messages[0]));
    QVERIFY2(m_messages[0].contains(u"не найден"_s), qPrintable(m_messages[0]));
    QCOMPARE(Form38->RichEdit1->toPlainText(), u"G\n6,674 30·10−11"_s);
    QCOMPARE(Form38->ListBox1->currentRow(), 5);
    Form38->ListBox1->clearSelection();
    support::hideScreen(Form38);
}

void TestReferenceScreens::constantsHostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");  // empty: loaded
    QTest::addColumn<QString>("shown");

    QTest::newRow("20 nested tables") << QByteArray("<table><tr><td>").repeated(20) + "x" << u"вложена"_s
                                      << QString();
    QTest::newRow("3000 nested tables") << QByteArray("<table><tr><td>").repeated(3000) << u"вложена"_s
                                        << QString();
    QTest::newRow("a cell padded by 10^8 pixels")
        << QByteArray("<table cellpadding=100000000><tr><td>x</td></tr></table>") << u"число больше"_s
        << QString();
    QTest::newRow("not UTF-8") << QByteArray("<p>\xff\xfe</p>") << u"UTF-8"_s << QString();
    QTest::newRow("over 64 KB") << QByteArray(70000, 'x') << u"64 КБ"_s << QString();
    // Pictures and style sheets a file names are not read: /dev/zero never ends.
    QTest::newRow("a picture of /dev/zero") << QByteArray("<p>x<img src=\"/dev/zero\"></p>") << QString()
                                            << u"x\uFFFC"_s;
    QTest::newRow("a style sheet of /dev/zero")
        << QByteArray("<html><head><link rel=\"stylesheet\" href=\"file:///dev/zero\"></head><body><p>y</p></body>"
                      "</html>")
        << QString()
        << u"y"_s;
}

void TestReferenceScreens::constantsHostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, shown);

    QTemporaryDir folder;
    const WorkingDirectory elsewhere(folder.path());
    QVERIFY(writeFile(folder.filePath(u"DATA/1.sch"_s), "<p>before</p>"));
    QVERIFY(writeFile(folder.filePath(u"DATA/2.sch"_s), bytes));
    QVERIFY(support::showActive(Form38));
    clickItem(Form38->ListBox1, 1);
    QCOMPARE(Form38->RichEdit1->toPlainText(), u"before"_s);

    QElapsedTimer timer;
    timer.start();
    clickItem(Form38->ListBox1, 2);
    QCoreApplication::processEvents();
    QVERIFY(timer.elapsed() < 2000);
    if (message.isEmpty()) {
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(Form38->RichEdit1->toPlainText(), shown);
    } else {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains(folder.filePath(u"DATA/2.sch"_s)), qPrintable(m_messages[0]));
        QVERIFY2(m_messages[0].contains(message), qPrintable(m_messages[0]));
        QCOMPARE(Form38->RichEdit1->toPlainText(), u"before"_s);
    }
    Form38->ListBox1->clearSelection();
    support::hideScreen(Form38);
}

// Nothing is cached: clicking the selected item reads its file again.
void TestReferenceScreens::constantsClickReloads()
{
    QTemporaryDir folder;
    const WorkingDirectory elsewhere(folder.path());
    const QString path = folder.filePath(u"DATA/9.sch"_s);
    QVERIFY(writeFile(path, "<p>first</p>"));
    QVERIFY(support::showActive(Form38));
    Form38->ListBox1->scrollToTop();
    clickItem(Form38->ListBox1, 9);
    QCOMPARE(Form38->RichEdit1->toPlainText(), u"first"_s);
    QVERIFY(writeFile(path, "<p>second</p>"));
    clickItem(Form38->ListBox1, 9);
    QCOMPARE(Form38->RichEdit1->toPlainText(), u"second"_s);
    QVERIFY(QFile::remove(path));
    clickItem(Form38->ListBox1, 9);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(Form38->RichEdit1->toPlainText(), u"second"_s);
    Form38->ListBox1->clearSelection();
    support::hideScreen(Form38);
}

// Each of the 64 files, loaded as the program finds them beside itself,
// fits the area with its symbol level with "Обозначение:" and its value
// level with "Значение:".
void TestReferenceScreens::everyDataFileFitsBesideItsCaptions()
{
    const WorkingDirectory beside(QStringLiteral(KALKORT_BUILD_DIR));
    QVERIFY(support::showActive(Form38));
    reference::TRichEdit *area = Form38->RichEdit1;
    const int symbolBaseline = labelBaseline(Form38->Label1);
    const int valueBaseline = labelBaseline(Form38->Label2);
    for (int position = 0; position < 64; ++position) {
        Form38->ListBox1->setCurrentRow(position);
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'\n')));
        QTextDocument *document = area->document();
        QCOMPARE(document->blockCount(), 2);
        const QSizeF size = document->documentLayout()->documentSize();
        QVERIFY2(document->idealWidth() <= area->viewport()->width(),
                 qPrintable(u"%1: %2 wide"_s.arg(position).arg(document->idealWidth())));
        QVERIFY2(size.height() <= area->viewport()->height(), qPrintable(QString::number(position)));
        int k = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next(), ++k) {
            const QTextLine line = block.layout()->lineAt(0);
            QCOMPARE(block.layout()->lineCount(), 1);
            const qreal top = document->documentLayout()->blockBoundingRect(block).top();
            const int baseline = area->viewport()->mapTo(Form38, QPoint(0, 0)).y()
                                 + qRound(top + line.y() + line.ascent());
            const int expected = k == 0 ? symbolBaseline : valueBaseline;
            QVERIFY2(std::abs(baseline - expected) <= 2,
                     qPrintable(u"%1, line %2: baseline %3, caption %4"_s.arg(position).arg(k).arg(baseline)
                                    .arg(expected)));
        }
    }
    Form38->ListBox1->clearSelection();
    support::hideScreen(Form38);
}

void TestReferenceScreens::prefixTables_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("at 1") << 1.0;
    QTest::newRow("at 2") << 2.0;
    QTest::newRow("at 1,5") << 1.5;
}

// Both tables drawn at the screen's resolution: white cells, black grid
// lines whole pixels wide, eight rows of text.
void TestReferenceScreens::prefixTables()
{
    QFETCH(qreal, scale);
    QCOMPARE(Form39->windowTitle(), u"Десятичные приставки в СИ"_s);
    QCOMPARE(Form39->size(), QSize(337, 414));
    QCOMPARE(Form39->Image2->size(), QSize(296, 166));
    QCOMPARE(Form39->Image3->size(), QSize(296, 165));
    QCOMPARE(Form39->Label1->text(), u"Больше единицы"_s);
    QCOMPARE(Form39->Label2->text(), u"Меньше единицы"_s);
    QVERIFY(Form39->Label1->geometry().bottom() < Form39->Image2->y());
    QVERIFY(Form39->Label2->geometry().bottom() < Form39->Image3->y());
    QVERIFY(Form39->Image3->geometry().bottom() < Form39->height());

    for (reference::PrefixTable *table : {Form39->Image2, Form39->Image3}) {
        QImage picture(table->size() * scale, QImage::Format_RGB32);
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::red);
        table->render(&picture);
        const int width = picture.width();
        const int height = picture.height();
        QCOMPARE(picture.pixelColor(width - 1, height - 1), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::black));
        // The top grid line and the first column's line are black through,
        // with no grey of a line smeared over two pixel rows.
        int blackRows = 0;
        for (int y = 0; y < height; ++y) {
            int black = 0;
            for (int x = 0; x < width; ++x)
                black += picture.pixelColor(x, y) == QColor(Qt::black);
            if (black == width)
                ++blackRows;
        }
        QCOMPARE(blackRows, 9 * qMax(1, qFloor(scale)));
        // Inside a cell: white, and some dark text in each row.
        const int rowHeight = height / 8;
        for (int row = 0; row < 8; ++row) {
            int dark = 0;
            for (int y = row * rowHeight + 3 * int(scale); y < (row + 1) * rowHeight - 2 * int(scale); ++y)
                for (int x = 3 * int(scale); x < int(110 * scale); ++x)
                    dark += qGray(picture.pixel(x, y)) < 96;
            QVERIFY2(dark > 10, qPrintable(u"row %1"_s.arg(row)));
        }
        QCOMPARE(picture.pixelColor(int(60 * scale), 2 * int(scale) + 1).lightness(), 255);
    }
}

void TestReferenceScreens::definitionsStart()
{
    QCOMPARE(Form53->windowTitle(), u"Эталоны системы единиц СИ"_s);
    QCOMPARE(Form53->size(), QSize(368, 246));
    QCOMPARE(Form53->Label3->text(), u"Выберите эталон:"_s);
    QCOMPARE(Form53->ListBox1->count(), 4);
    QCOMPARE(Form53->ListBox2->count(), 3);
    QCOMPARE(Form53->ListBox1->item(3)->text(), u"Сила электрического тока (I)"_s);
    QCOMPARE(Form53->ListBox2->item(0)->text(), u"Температура (Q)"_s);
    QVERIFY(Form53->ListBox1->selectedItems().isEmpty());
    QVERIFY(Form53->ListBox2->selectedItems().isEmpty());
    QVERIFY(Form53->Label5->text().endsWith(u"равную 2*10 -7H"_s));
    const std::vector<QLabel *> definitions = {Form53->Label1, Form53->Label2, Form53->Label4, Form53->Label5,
                                               Form53->Label6, Form53->Label7, Form53->Label8};
    QVERIFY(support::showActive(Form53));
    for (const QLabel *label : definitions) {
        QCOMPARE(label->isVisible(), label == Form53->Label1);
        QCOMPARE(label->geometry(), Form53->Label1->geometry());
        QVERIFY(label->wordWrap());
        QCOMPARE(label->font().pixelSize(), 13);
        const QRect needed =
            label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap | Qt::AlignTop, label->text());
        QVERIFY2(needed.height() <= label->height(), qPrintable(label->objectName()));
    }
    support::hideScreen(Form53);
}

void TestReferenceScreens::definitionsFollowTheLastClick()
{
    QVERIFY(support::showActive(Form53));
    const auto shown = [] {
        QStringList visible;
        for (const char *name : {"Label1", "Label2", "Label4", "Label5", "Label6", "Label7", "Label8"})
            if (Form53->findChild<QLabel *>(QLatin1String(name))->isVisible())
                visible << QLatin1String(name);
        return visible;
    };
    clickItem(Form53->ListBox1, 1);  // "Масса (M)"
    QCOMPARE(shown(), QStringList{u"Label2"_s});
    clickItem(Form53->ListBox2, 2);  // "Сила света (J)"
    QCOMPARE(shown(), QStringList{u"Label8"_s});
    // The kilogram again: its item was still selected in the other list.
    clickItem(Form53->ListBox1, 1);
    QCOMPARE(shown(), QStringList{u"Label2"_s});
    QCOMPARE(Form53->ListBox2->selectedItems().value(0)->text(), u"Сила света (J)"_s);
    // A click below the items changes nothing.
    QTest::mouseClick(Form53->ListBox2->viewport(), Qt::LeftButton, {},
                      QPoint(10, Form53->ListBox2->viewport()->height() - 3));
    QCOMPARE(shown(), QStringList{u"Label2"_s});
    // The keyboard moves the selection and the definition with it.
    Form53->ListBox1->setFocus();
    QTRY_VERIFY(Form53->ListBox1->hasFocus());
    QTest::keyClick(Form53->ListBox1, Qt::Key_Down);
    QCOMPARE(shown(), QStringList{u"Label4"_s});
    QTest::keyClick(Form53->ListBox1, Qt::Key_Down);
    QCOMPARE(shown(), QStringList{u"Label5"_s});
    clickItem(Form53->ListBox2, 0);
    QCOMPARE(shown(), QStringList{u"Label6"_s});
    support::hideScreen(Form53);
}

QTEST_MAIN(TestReferenceScreens)
#include "tst_referencescreens.moc"
