#include "constants.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <limits>

namespace reference {

using namespace Qt::StringLiterals;

const QStringList &constantNames()
{
    // Three names end in blanks. A sort by code point would move fifteen of
    // them (capitals before small letters), so the order is written out.
    static const QStringList names = {
        u"Абсолютный ноль температуры"_s,
        u"Атомная единица массы, а.е.м."_s,
        u"Вторая постоянная излучения"_s,
        u"Гиромагнитное отношение для протона"_s,
        u"Гравитационная постоянная"_s,
        u"Длина желтой линии в спектре натрия"_s,
        u"Заряд электрона"_s,
        u"Зеемановское смещение на 1Гс"_s,
        u"Квант циркуляции"_s,
        u"Классический радиус электрона"_s,
        u"Комптоновская длина волны нейтрона"_s,
        u"Комптоновская длина волны протона"_s,
        u"Комптоновская длина волны электрона"_s,
        u"Коэффициент взаимосвязи массы и энергии"_s,
        u"Магнетон Бора"_s,
        u"Магнитная постоянная"_s,
        u"Магнитный квантовый поток  "_s,
        u"Магнитный момент электрона"_s,
        u"Масса атома гелия"_s,
        u"Масса атома углерода"_s,
        u"Масса Земли"_s,
        u"Масса покоя мюона"_s,
        u"Масса покоя нейтрона"_s,
        u"Масса покоя протона"_s,
        u"Масса покоя электрона"_s,
        u"Молярный объем идеального газа при н. у."_s,
        u"Нормальная термодинамическая температура"_s,
        u"Нормальное атмосферное давление"_s,
        u"Нормальное ускорение свободного падения"_s,
        u"Объем моля идеального газа при н. у."_s,
        u"Отношение Джозефсона "_s,
        u"Первая постоянная излучения"_s,
        u"Первый боровский радиус"_s,
        u"Плотность воды при н. у."_s,
        u"Плотность ртути при н. у."_s,
        u"Плотность сухого воздуха при н. у."_s,
        u"Порог слышимости (нулевой уровень давления)"_s,
        u"Постоянная Авогадро"_s,
        u"Постоянная Больцмана"_s,
        u"Постоянная Вина"_s,
        u"Постоянная диамагнитного экранирования  "_s,
        u"Постоянная Керра"_s,
        u"Постоянная Лошмидта"_s,
        u"Постоянная Планка"_s,
        u"Постоянная Ридберга"_s,
        u"Постоянная Ридберга для водорода"_s,
        u"Постоянная Стефана-Больцмана"_s,
        u"Постоянная Фарадея"_s,
        u"Радиус Бора"_s,
        u"Скорость звука в воздухе при н. у."_s,
        u"Скорость света в вакууме"_s,
        u"Средний радиус Земли"_s,
        u"Стандартный обьём моля газа"_s,
        u"Температурный коэф. объемного расширения газов"_s,
        u"Томпсоновское поперечное сечение"_s,
        u"Универсальная газовая постоянная"_s,
        u"Ускорение свободного падения"_s,
        u"Электрическая постоянная"_s,
        u"Элементарный заряд электрона"_s,
        u"Энергия покоя нейтрона"_s,
        u"Энергия покоя протона"_s,
        u"Энергия покоя электрона"_s,
        u"Энергия Солнца"_s,
        u"Ядерный магнетон"_s,    };
    return names;
}

QString dataFileName(int position)
{
    return u"DATA/"_s + QString::number(position) + u".sch"_s;
}

QStringList dataFolders()
{
    if (!QCoreApplication::instance())
        return {QDir::currentPath(), QStringLiteral(KALKORT_DATA_DIR)};
    // The installed data folder is found from where the program is, so that a
    // package installed under any prefix, or into a staging folder, finds it.
    const QDir program(QCoreApplication::applicationDirPath());
    return {QDir::currentPath(), QDir::cleanPath(program.filePath(QStringLiteral(KALKORT_DATA_FROM_PROGRAM))),
            program.path()};
}

QString findDataFile(const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

namespace {

bool isVoidElement(QStringView name)
{
    static const QStringList names = {u"area"_s, u"base"_s,  u"br"_s,    u"col"_s,   u"embed"_s,
                                      u"hr"_s,   u"img"_s,   u"input"_s, u"link"_s,  u"meta"_s,
                                      u"param"_s, u"source"_s, u"track"_s, u"wbr"_s};
    return names.contains(name, Qt::CaseInsensitive);
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':';
}

QString refusal(const QString &name, const QString &reason)
{
    return u"Не удаётся открыть файл \"%1\": %2."_s.arg(name, reason);
}

}  // namespace

int nestingDepth(QStringView html, int stopAbove)
{
    // Quotes are not honoured and "/>" closes nothing: a tag ends at the
    // next '>' or '<', so a '<' or '>' inside an attribute only ends it
    // early and the text after it is scanned for tags. The count can come
    // out larger than a parser's, never smaller.
    QList<QString> open;
    int deepest = 0;
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n && deepest <= stopAbove) {
        if (html[i] != u'<') {
            ++i;
            continue;
        }
        if (html.mid(i).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const bool closing = i + 1 < n && html[i + 1] == u'/';
        qsizetype j = i + (closing ? 2 : 1);
        const qsizetype nameStart = j;
        while (j < n && isNameChar(html[j]))
            ++j;
        if (j == nameStart || !html[nameStart].isLetter()) {
            // "<!DOCTYPE", "<?xml" and the like end at the next '>'; a lone
            // '<' is text.
            if (!closing && nameStart < n && (html[nameStart] == u'!' || html[nameStart] == u'?')) {
                const qsizetype end = html.indexOf(u'>', nameStart);
                i = end < 0 ? n : end + 1;
            } else {
                ++i;
            }
            continue;
        }
        const QString name = html.mid(nameStart, j - nameStart).toString().toLower();
        qsizetype end = j;
        while (end < n && html[end] != u'>' && html[end] != u'<')
            ++end;
        i = end < n && html[end] == u'>' ? end + 1 : end;
        if (closing) {
            const qsizetype at = open.lastIndexOf(name);
            if (at >= 0)
                open.resize(at);
        } else if (!isVoidElement(name)) {
            open.append(name);
            deepest = std::max(deepest, int(open.size()));
        }
    }
    return deepest;
}

double largestNumber(QStringView text)
{
    // "&#49;" and "&#x31;" are digits to an attribute, so they are decoded
    // first.
    static const QRegularExpression reference(u"&#([xX]?)([0-9a-fA-F]+);?"_s);
    QString decoded;
    decoded.reserve(text.size());
    qsizetype from = 0;
    for (const QRegularExpressionMatch &m : reference.globalMatch(text)) {
        decoded.append(text.mid(from, m.capturedStart() - from));
        bool ok = false;
        const uint code = m.captured(2).toUInt(&ok, m.capturedLength(1) ? 16 : 10);
        decoded.append(ok && code < 0x110000 ? QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1)
                                             : u"\uFFFD"_s);
        from = m.capturedEnd();
    }
    decoded.append(text.mid(from));

    static const QRegularExpression number(u"[0-9]+(?:\\.[0-9]*)?(?:[eE][+-]?[0-9]+)?"_s);
    double largest = 0;
    for (const QRegularExpressionMatch &m : number.globalMatch(decoded)) {
        bool ok = false;
        const double value = m.capturedView().toDouble(&ok);
        largest = std::max(largest, ok ? value : std::numeric_limits<double>::infinity());
    }
    return largest;
}

RichText checkRichText(const QByteArray &bytes, const QString &name)
{
    if (bytes.size() > kMaxDataFileBytes)
        return {{}, refusal(name, u"файл больше %1 КБ"_s.arg(kMaxDataFileBytes / 1024))};
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {{}, refusal(name, u"текст не в кодировке UTF-8"_s)};
    if (nestingDepth(text, kMaxNesting) > kMaxNesting)
        return {{}, refusal(name, u"разметка вложена глубже %1 уровней"_s.arg(kMaxNesting))};
    if (largestNumber(text) > kMaxNumber)
        return {{}, refusal(name, u"в файле число больше %1"_s.arg(kMaxNumber, 0, 'f', 0))};
    return {std::move(text), {}};
}

RichText readRichText(const QString &path, const QString &name)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, refusal(name, u"файл не найден"_s)};
    if (!info.isFile())
        return {{}, refusal(name, u"это не обычный файл"_s)};
    if (info.size() > kMaxDataFileBytes)
        return {{}, refusal(name, u"файл больше %1 КБ"_s.arg(kMaxDataFileBytes / 1024))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = file.error() == QFileDevice::PermissionsError ? u"нет прав на чтение"_s
                                                                              : file.errorString();
        return {{}, refusal(name, reason)};
    }
    // One byte past the limit is enough to tell a file that grew meanwhile.
    const QByteArray bytes = file.read(kMaxDataFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, refusal(name, u"ошибка чтения (%1)"_s.arg(file.errorString()))};
    return checkRichText(bytes, name);
}

RichText loadConstant(int position, const QStringList &folders)
{
    const QString name = dataFileName(position);
    const QString path = findDataFile(name, folders);
    if (path.isEmpty())
        return {{}, refusal(name, u"файл не найден (искали в: %1)"_s.arg(folders.join(u"; "_s)))};
    return readRichText(path, QDir::toNativeSeparators(path));
}

}  // namespace reference
