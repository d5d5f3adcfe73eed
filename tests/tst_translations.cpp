// Qt's own texts follow the system's language: CTest runs this suite under a
// Russian locale (LANG=ru_RU.UTF-8).
#include "translations.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <memory>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void messageBoxButtons_data();
    void messageBoxButtons();
    void fieldContextMenu();
    void fileDialog();
    void otherLanguagesKeepTheirOwn();

private:
    static void removeTranslators();
};

void TestTranslations::initTestCase()
{
    QCOMPARE(QLocale::system().language(), QLocale::Russian);
    QVERIFY(translations::installQtTranslations());
}

void TestTranslations::removeTranslators()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void TestTranslations::messageBoxButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringLiteral("Отмена");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QStringLiteral("&Да");
    QTest::newRow("no") << int(QMessageBox::No) << QStringLiteral("&Нет");
    QTest::newRow("close") << int(QMessageBox::Close) << QStringLiteral("Закрыть");
    QTest::newRow("save") << int(QMessageBox::Save) << QStringLiteral("Сохранить");
    QTest::newRow("retry") << int(QMessageBox::Retry) << QStringLiteral("Повторить");
}

void TestTranslations::messageBoxButtons()
{
    QFETCH(int, button);
    QFETCH(QString, text);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Калькорт 1.6.1 Pro"),
                    QStringLiteral("Ошибка! Вы ввели неправильное значение!!!"),
                    QMessageBox::StandardButton(button));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.button(QMessageBox::StandardButton(button))->text(), text);
}

void TestTranslations::fieldContextMenu()
{
    QLineEdit field(QStringLiteral("5000,00"));
    field.selectAll();
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0);
    for (const QString &expected : {QStringLiteral("&Копировать"), QStringLiteral("В&ставить"),
                                    QStringLiteral("Выделить всё")})
        QVERIFY2(texts.contains(expected), qPrintable(texts.join(u" | ")));
}

void TestTranslations::fileDialog()
{
    // The picture dialog of the settings screen is Qt's own.
    QFileDialog dialog(nullptr, QStringLiteral("Открыть"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QCOMPARE(buttons->button(QDialogButtonBox::Open)->text(), QStringLiteral("&Открыть"));
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
}

void TestTranslations::otherLanguagesKeepTheirOwn()
{
    const auto cancelText = [] {
        QMessageBox box(QMessageBox::Critical, QString(), QString(), QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    removeTranslators();
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
    QVERIFY(translations::installQtTranslations(QLocale(QLocale::German, QLocale::Germany)));
    QCOMPARE(cancelText(), QStringLiteral("Abbrechen"));
    removeTranslators();
    translations::installQtTranslations(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
