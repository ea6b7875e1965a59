#include "platform/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QStringDecoder>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace
{

// A settings file is a few kilobytes; anything far larger is not one of ours.
constexpr qint64 kLargestFile = 4 * 1024 * 1024;

// Every change is read-modify-write of the whole file; one at a time, so two
// windows closing together cannot lose each other's entries.
QMutex g_writeLock;

enum class LineKind { Other, Section, Key };

struct Line {
    QByteArray bytes; // without its line ending
    QByteArray ending; // "\r\n", "\n", or "" for a last line without one
    LineKind kind = LineKind::Other;
    QString name; // section or key name
    QString value; // a key's value, quotes taken off
};

struct Content {
    bool exists = false;
    bool readable = true;
    QString problem;
    QByteArray original;
    QByteArray bom;
    std::vector<Line> lines;
};

QString decodeValue(const QString &raw)
{
    const QString v = raw.trimmed();
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        return v.mid(1, v.size() - 2);
    return v;
}

QString encodeValue(const QString &value)
{
    const bool quoted = value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'));
    if (value != value.trimmed() || quoted)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

// A line that is not UTF-8 or holds a NUL is nobody's section or key; it is
// kept as it is and otherwise ignored.
void classify(Line &line)
{
    if (line.bytes.contains('\0'))
        return;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(line.bytes);
    if (utf8.hasError())
        return;
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('['))) {
        const int close = t.indexOf(QLatin1Char(']'));
        if (close > 1) {
            line.kind = LineKind::Section;
            line.name = t.mid(1, close - 1).trimmed();
        }
        return;
    }
    if (t.startsWith(QLatin1Char(';')))
        return;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return;
    line.name = t.left(eq).trimmed();
    if (line.name.isEmpty())
        return;
    line.kind = LineKind::Key;
    line.value = decodeValue(t.mid(eq + 1));
}

Content load(const QString &path)
{
    Content c;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return c;
    c.exists = true;
    c.readable = false;
    if (info.isDir()) {
        c.problem = QStringLiteral("it is a folder");
        return c;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        c.problem = file.errorString();
        return c;
    }
    if (file.size() > kLargestFile) {
        c.problem = QStringLiteral("it is too large to be a settings file");
        return c;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        c.problem = file.errorString();
        return c;
    }
    c.readable = true;
    c.original = data;
    if (data.startsWith("\xEF\xBB\xBF")) {
        c.bom = data.left(3);
        data.remove(0, 3);
    }
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype nl = data.indexOf('\n', start);
        Line line;
        if (nl < 0) {
            line.bytes = data.mid(start);
            start = data.size();
        } else {
            const bool crlf = nl > start && data[nl - 1] == '\r';
            line.bytes = data.mid(start, nl - start - (crlf ? 1 : 0));
            line.ending = crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
            start = nl + 1;
        }
        classify(line);
        c.lines.push_back(std::move(line));
    }
    return c;
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Index of the first section named `section`, or -1; `end` receives the index
// of the line after its last line.
int findSection(const std::vector<Line> &lines, const QString &section, int &end)
{
    for (int i = 0; i < int(lines.size()); ++i) {
        if (lines[i].kind != LineKind::Section || !sameName(lines[i].name, section))
            continue;
        end = i + 1;
        while (end < int(lines.size()) && lines[end].kind != LineKind::Section)
            ++end;
        return i;
    }
    end = -1;
    return -1;
}

const Line *findKey(const Content &c, const QString &section, const QString &key)
{
    if (!c.readable)
        return nullptr;
    int end = 0;
    const int s = findSection(c.lines, section, end);
    for (int i = s < 0 ? end : s + 1; i < end; ++i) {
        if (c.lines[i].kind == LineKind::Key && sameName(c.lines[i].name, key))
            return &c.lines[i];
    }
    return nullptr;
}

bool hasLineBreakOrNul(const QString &s)
{
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r')) || s.contains(QChar(0));
}

QString invalidName(const QString &section, const QString &key)
{
    if (section.isEmpty() || section != section.trimmed() || section.contains(QLatin1Char(']'))
        || hasLineBreakOrNul(section) || !section.isValidUtf16())
        return QStringLiteral("\"%1\" cannot be the name of a section.").arg(section);
    if (key.isEmpty() || key != key.trimmed() || key.contains(QLatin1Char('=')) || key.startsWith(QLatin1Char('['))
        || key.startsWith(QLatin1Char(';')) || hasLineBreakOrNul(key) || !key.isValidUtf16())
        return QStringLiteral("\"%1\" cannot be the name of a setting.").arg(key);
    return {};
}

QByteArray keyLine(const QString &key, const QString &value)
{
    return (key + QLatin1Char('=') + encodeValue(value)).toUtf8();
}

QByteArray newLineEnding(const std::vector<Line> &lines)
{
    for (const Line &l : lines) {
        if (!l.ending.isEmpty())
            return l.ending;
    }
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

Result saveAtomically(const QString &path, const QByteArray &data)
{
    const auto failed = [&path](const QString &why) {
        return Result::failure(QStringLiteral("The file %1 could not be written: %2").arg(path, why));
    };
    QSaveFile file(path);
    file.setDirectWriteFallback(false); // never overwrite in place
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (file.write(data) != data.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failed(why);
    }
    // On the disk before the rename, so a crash never leaves an empty file in its place.
#ifdef Q_OS_WIN
    const bool synced = _commit(file.handle()) == 0;
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    if (!synced) {
        file.cancelWriting();
        return failed(QStringLiteral("it could not be flushed to the disk"));
    }
    if (!file.commit())
        return failed(file.errorString());
#ifndef Q_OS_WIN
    // The rename itself, too.
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
#endif
    return Result::success();
}

} // namespace

QString IniFile::read(const QString &section, const QString &key) const
{
    const Content c = load(m_path);
    const Line *line = findKey(c, section, key);
    return line ? line->value : QString();
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const Content c = load(m_path);
    return findKey(c, section, key) != nullptr;
}

Result IniFile::write(const QString &section, const QString &key, const QString &value) const
{
    return update(section, { { key, value } });
}

Result IniFile::remove(const QString &section, const QString &key) const
{
    return update(section, { { key, std::nullopt } });
}

Result IniFile::update(const QString &section, const std::vector<Change> &changes) const
{
    for (const Change &change : changes) {
        const QString problem = invalidName(section, change.key);
        if (!problem.isEmpty())
            return Result::failure(problem);
        if (change.value && (hasLineBreakOrNul(*change.value) || !change.value->isValidUtf16()))
            return Result::failure(
                QStringLiteral("The value of %1 cannot be stored: it holds a line break or a control character.")
                    .arg(change.key));
    }

    QMutexLocker lock(&g_writeLock);
    Content c = load(m_path);
    if (!c.readable)
        return Result::failure(
            QStringLiteral("The file %1 was left unchanged because it could not be read: %2").arg(m_path, c.problem));

    std::vector<Line> &lines = c.lines;
    const QByteArray ending = newLineEnding(lines);
    for (const Change &change : changes) {
        int end = 0;
        int s = findSection(lines, section, end);
        if (!change.value) {
            for (int i = end - 1; s >= 0 && i > s; --i) {
                if (lines[i].kind == LineKind::Key && sameName(lines[i].name, change.key))
                    lines.erase(lines.begin() + i);
            }
            continue;
        }
        Line entry { keyLine(change.key, *change.value), ending, LineKind::Key, change.key, *change.value };
        if (s < 0) {
            // A new section goes at the end, after a blank line.
            if (!lines.empty() && lines.back().ending.isEmpty())
                lines.back().ending = ending;
            if (!lines.empty() && !lines.back().bytes.trimmed().isEmpty())
                lines.push_back(Line { {}, ending, LineKind::Other, {}, {} });
            lines.push_back(Line { '[' + section.toUtf8() + ']', ending, LineKind::Section, section, {} });
            lines.push_back(std::move(entry));
            continue;
        }
        int insertAt = s + 1;
        bool replaced = false;
        for (int i = s + 1; i < end && !replaced; ++i) {
            if (lines[i].kind != LineKind::Key)
                continue;
            insertAt = i + 1;
            if (sameName(lines[i].name, change.key)) {
                entry.ending = lines[i].ending;
                lines[i] = std::move(entry);
                replaced = true;
            }
        }
        if (replaced)
            continue;
        // A new key goes after the section's last key, before any blank lines or comments that follow it.
        if (insertAt == int(lines.size()) && lines.back().ending.isEmpty())
            lines.back().ending = ending;
        lines.insert(lines.begin() + insertAt, std::move(entry));
    }

    QByteArray data = c.bom;
    for (const Line &l : lines)
        data += l.bytes + l.ending;
    if (c.exists && data == c.original)
        return Result::success();
    if (!c.exists && data.isEmpty())
        return Result::success();
    return saveAtomically(m_path, data);
}
