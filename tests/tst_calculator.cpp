// Finding and starting the desktop's calculator, with fake calculators in
// temporary application folders and a temporary PATH.
#include "calculator.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    if (executable)
        return file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}

// A fake calculator: writes its arguments, one a line, to "<its path>.ran"
// and then stays running for a while.
QByteArray fakeProgram()
{
    return "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$@\" > \"$0.ran\"\nexec sleep 3\n";
}

QByteArray entry(const QByteArray &exec, const QByteArray &categories, const QByteArray &extra = {})
{
    return "[Desktop Entry]\nType=Application\nName=Счёты\nExec=" + exec + "\nCategories=" + categories + "\n" + extra;
}

// A folder tree for one case: apps1/ and apps2/ for desktop entries, bin/
// for programs.
struct Fixture {
    QTemporaryDir root;
    QString apps1() const { return root.filePath(u"apps1"_s); }
    QString apps2() const { return root.filePath(u"apps2"_s); }
    QString bin() const { return root.filePath(u"bin"_s); }
};

// Sets an environment variable for the life of the object.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QString &value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char *name_;
    QByteArray old_;
    bool had_;
};

using Entries = QList<std::pair<QString, QByteArray>>;  // path under the root, text

}  // namespace

class TestCalculator : public QObject
{
    Q_OBJECT
private slots:
    void splitExec_data();
    void splitExec();
    void parseDesktopEntry();
    void findCalculator_data();
    void findCalculator();
    void startsDetachedWithoutWaiting();
    void startsNothingWhenThereIsNone();
};

void TestCalculator::splitExec_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("words");  // empty: refused

    QTest::newRow("a program") << u"calc"_s << QStringList{u"calc"_s};
    QTest::newRow("file codes dropped") << u"calc %U %f"_s << QStringList{u"calc"_s};
    QTest::newRow("blanks between words") << u"  calc   --one\t--two "_s
                                          << QStringList{u"calc"_s, u"--one"_s, u"--two"_s};
    QTest::newRow("quoted word with blanks") << u"\"/opt/my calc/run\" --mode \"a b\""_s
                                             << QStringList{u"/opt/my calc/run"_s, u"--mode"_s, u"a b"_s};
    QTest::newRow("escapes inside quotes") << u"calc \"a\\\"b\\\\c\\$d\""_s
                                           << QStringList{u"calc"_s, u"a\"b\\c$d"_s};
    QTest::newRow("percent, name and entry") << u"calc --title=%c 100%% %k"_s
                                             << QStringList{u"calc"_s, u"--title=Счёты"_s, u"100%"_s,
                                                            u"/e/calc.desktop"_s};
    QTest::newRow("no shell: ; and $ are plain characters") << u"calc ;rm $HOME"_s
                                                            << QStringList{u"calc"_s, u";rm"_s, u"$HOME"_s};
    QTest::newRow("unbalanced quote") << u"calc \"--mode"_s << QStringList{};
    QTest::newRow("nothing but a field code") << u"%U"_s << QStringList{};
    QTest::newRow("empty") << QString() << QStringList{};
}

void TestCalculator::splitExec()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, words);
    const std::optional<QStringList> split = reference::splitExec(exec, u"Счёты"_s, u"/e/calc.desktop"_s);
    if (words.isEmpty()) {
        QVERIFY(!split);
        return;
    }
    QVERIFY(split);
    QCOMPARE(*split, words);
}

void TestCalculator::parseDesktopEntry()
{
    const reference::DesktopEntry parsed = reference::parseDesktopEntry(
        u"# comment\n[Desktop Entry]\nType = Application\nName=Calc\nName[ru]=Калькулятор\n"
        "Exec=calc\\s--x\nCategories=Utility;Calculator;Semi\\;colon;\nHidden=false\n"
        "[Desktop Action New]\nExec=other\nHidden=true\n"_s);
    QCOMPARE(parsed.type, u"Application"_s);
    QCOMPARE(parsed.name, u"Calc"_s);
    QCOMPARE(parsed.exec, u"calc --x"_s);
    QCOMPARE(parsed.categories, (QStringList{u"Utility"_s, u"Calculator"_s, u"Semi;colon"_s}));
    QVERIFY(!parsed.hidden);
}

void TestCalculator::findCalculator_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QStringList>("programs");     // executables in bin/
    QTest::addColumn<QString>("program");          // file name in bin/; empty: none found
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("a calculator entry")
        << Entries{{u"apps1/abacus.desktop"_s, entry("abacus %U", "Utility;Calculator;")}} << QStringList{u"abacus"_s}
        << u"abacus"_s << QStringList{};
    QTest::newRow("the entry before the PATH")
        << Entries{{u"apps2/abacus.desktop"_s, entry("abacus --basic", "Calculator")}}
        << QStringList{u"abacus"_s, u"gnome-calculator"_s} << u"abacus"_s << QStringList{u"--basic"_s};
    QTest::newRow("an entry of another category")
        << Entries{{u"apps1/editor.desktop"_s, entry("editor", "Utility;TextEditor;Calculators;")}}
        << QStringList{u"editor"_s} << QString() << QStringList{};
    QTest::newRow("first entry in id order")
        << Entries{{u"apps1/b.desktop"_s, entry("second", "Calculator;")},
                   {u"apps1/a.desktop"_s, entry("first", "Calculator;")}}
        << QStringList{u"first"_s, u"second"_s} << u"first"_s << QStringList{};
    QTest::newRow("an entry whose program is missing is passed over")
        << Entries{{u"apps1/a.desktop"_s, entry("missing", "Calculator;")},
                   {u"apps1/b.desktop"_s, entry("present", "Calculator;")}}
        << QStringList{u"present"_s} << u"present"_s << QStringList{};
    QTest::newRow("TryExec missing")
        << Entries{{u"apps1/a.desktop"_s, entry("present", "Calculator;", "TryExec=missing\n")}}
        << QStringList{u"present"_s} << QString() << QStringList{};
    QTest::newRow("a hidden entry hides the same id in a later folder")
        << Entries{{u"apps1/abacus.desktop"_s, entry("abacus", "Calculator;", "Hidden=true\n")},
                   {u"apps2/abacus.desktop"_s, entry("abacus", "Calculator;")}}
        << QStringList{u"abacus"_s} << QString() << QStringList{};
    QTest::newRow("an earlier folder wins")
        << Entries{{u"apps2/abacus.desktop"_s, entry("second", "Calculator;")},
                   {u"apps1/abacus.desktop"_s, entry("first", "Calculator;")}}
        << QStringList{u"first"_s, u"second"_s} << u"first"_s << QStringList{};
    QTest::newRow("entries in subfolders")
        << Entries{{u"apps1/kde/abacus.desktop"_s, entry("abacus", "Qt;Calculator;")}} << QStringList{u"abacus"_s}
        << u"abacus"_s << QStringList{};
    QTest::newRow("not an application")
        << Entries{{u"apps1/abacus.desktop"_s, entry("abacus", "Calculator;").replace("Application", "Link")}}
        << QStringList{u"abacus"_s} << QString() << QStringList{};
    QTest::newRow("PATH: the first common calculator")
        << Entries{} << QStringList{u"xcalc"_s, u"kcalc"_s, u"galculator"_s} << u"kcalc"_s << QStringList{};
    QTest::newRow("PATH: a program that is not executable is passed over")
        << Entries{{u"bin/gnome-calculator"_s, "not executable"}} << QStringList{u"xcalc"_s} << u"xcalc"_s
        << QStringList{};
    QTest::newRow("none") << Entries{} << QStringList{} << QString() << QStringList{};
}

void TestCalculator::findCalculator()
{
    QFETCH(Entries, entries);
    QFETCH(QStringList, programs);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    Fixture fixture;
    QVERIFY(fixture.root.isValid());
    QVERIFY(QDir().mkpath(fixture.apps1()) && QDir().mkpath(fixture.apps2()) && QDir().mkpath(fixture.bin()));
    for (const auto &[path, text] : entries)
        QVERIFY(writeFile(fixture.root.filePath(path), text));
    for (const QString &name : programs)
        QVERIFY(writeFile(fixture.bin() + u'/' + name, fakeProgram(), true));

    const std::optional<reference::Command> found =
        reference::findCalculator({fixture.apps1(), fixture.apps2()}, {fixture.bin()});
    if (program.isEmpty()) {
        QVERIFY2(!found, found ? qPrintable(found->program) : "");
        return;
    }
    QVERIFY(found);
    QCOMPARE(found->program, fixture.bin() + u'/' + program);
    QCOMPARE(found->arguments, arguments);
}

void TestCalculator::startsDetachedWithoutWaiting()
{
    Fixture fixture;
    QVERIFY(writeFile(fixture.root.filePath(u"home/applications/abacus.desktop"_s),
                      entry("abacus --mode \"два слова\" %U", "Utility;Calculator;")));
    QVERIFY(writeFile(fixture.bin() + u"/abacus"_s, fakeProgram(), true));
    QVERIFY(QDir().mkpath(fixture.root.filePath(u"system/applications"_s)));
    const ScopedEnv home("XDG_DATA_HOME", fixture.root.filePath(u"home"_s));
    const ScopedEnv system("XDG_DATA_DIRS", fixture.root.filePath(u"system"_s));
    const ScopedEnv path("PATH", fixture.bin());

    QElapsedTimer timer;
    timer.start();
    QVERIFY(reference::startCalculator());
    // The fake runs for three seconds; the launcher does not wait for it.
    QVERIFY(timer.elapsed() < 2000);
    const QString ran = fixture.bin() + u"/abacus.ran"_s;
    QTRY_VERIFY(QFileInfo(ran).size() > 0);
    QFile file(ran);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), u"--mode\nдва слова\n"_s);
}

void TestCalculator::startsNothingWhenThereIsNone()
{
    Fixture fixture;
    QVERIFY(QDir().mkpath(fixture.root.filePath(u"home/applications"_s)));
    QVERIFY(QDir().mkpath(fixture.bin()));
    // An entry of another category and a program that is not a calculator.
    QVERIFY(writeFile(fixture.root.filePath(u"home/applications/editor.desktop"_s), entry("editor", "TextEditor;")));
    QVERIFY(writeFile(fixture.bin() + u"/editor"_s, fakeProgram(), true));
    const ScopedEnv home("XDG_DATA_HOME", fixture.root.filePath(u"home"_s));
    const ScopedEnv system("XDG_DATA_DIRS", fixture.root.filePath(u"nowhere"_s));
    const ScopedEnv path("PATH", fixture.bin());

    QVERIFY(!reference::startCalculator());
    QTest::qWait(200);
    QVERIFY(!QFileInfo::exists(fixture.bin() + u"/editor.ran"_s));
}

QTEST_GUILESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
