#include "reports/notesformat.h"

#include <QFont>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>

namespace
{

// The stored form's opening: paragraphs without margins, blanks kept, and a
// class for empty paragraphs (an empty <p> would otherwise vanish on reading).
const QString kHeader = QStringLiteral("<html><style>p,li{white-space:pre-wrap;margin:0}ul,ol{margin:0}"
                                       ".e{-qt-paragraph-type:empty}</style>");

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case QChar::LineSeparator:
            out += QLatin1String("<br>");
            break;
        case QChar::ObjectReplacementCharacter: // pictures are not kept in notes
        case 0:
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString listOpening(const QTextListFormat &f)
{
    QString tag;
    switch (f.style()) {
    case QTextListFormat::ListDecimal:
        tag = QStringLiteral("<ol");
        break;
    case QTextListFormat::ListLowerAlpha:
        tag = QStringLiteral("<ol type=a");
        break;
    case QTextListFormat::ListUpperAlpha:
        tag = QStringLiteral("<ol type=A");
        break;
    case QTextListFormat::ListLowerRoman:
        tag = QStringLiteral("<ol type=i");
        break;
    case QTextListFormat::ListUpperRoman:
        tag = QStringLiteral("<ol type=I");
        break;
    case QTextListFormat::ListCircle:
        tag = QStringLiteral("<ul type=circle");
        break;
    case QTextListFormat::ListSquare:
        tag = QStringLiteral("<ul type=square");
        break;
    default:
        tag = QStringLiteral("<ul");
        break;
    }
    if (f.indent() != 1)
        tag += QStringLiteral(" style=\"-qt-list-indent:%1\"").arg(f.indent());
    return tag + QLatin1Char('>');
}

QString listClosing(const QTextListFormat &f)
{
    switch (f.style()) {
    case QTextListFormat::ListDisc:
    case QTextListFormat::ListCircle:
    case QTextListFormat::ListSquare:
        return QStringLiteral("</ul>");
    default:
        return QStringLiteral("</ol>");
    }
}

QString familyOf(const QTextCharFormat &f)
{
    const QStringList families = f.fontFamilies().toStringList();
    QString family = families.isEmpty() ? QString() : families.first();
    family.remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
    return family;
}

// One fragment of text with its character format, in tags where a tag is shorter.
QString fragmentHtml(const QTextCharFormat &f, const QString &text, bool &formatted)
{
    QStringList style;
    QString open, close;
    const int weight = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : QFont::Normal;
    const bool bold = weight == QFont::Bold;
    if (!bold && weight != QFont::Normal)
        style << QStringLiteral("font-weight:%1").arg(weight);
    const QString family = f.hasProperty(QTextFormat::FontFamilies) ? familyOf(f) : QString();
    if (!family.isEmpty())
        style << QStringLiteral("font-family:'%1'").arg(family);
    if (f.hasProperty(QTextFormat::FontPointSize))
        style << QStringLiteral("font-size:%1pt").arg(f.fontPointSize());
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        style << QStringLiteral("color:%1").arg(f.foreground().color().name());
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
        style << QStringLiteral("background-color:%1").arg(f.background().color().name());
    if (!style.isEmpty()) {
        open += QStringLiteral("<span style=\"%1\">").arg(style.join(QLatin1Char(';')));
        close.prepend(QStringLiteral("</span>"));
    }
    const auto tag = [&](bool on, const char *name) {
        if (!on)
            return;
        open += QStringLiteral("<%1>").arg(QLatin1String(name));
        close.prepend(QStringLiteral("</%1>").arg(QLatin1String(name)));
    };
    tag(bold, "b");
    tag(f.fontItalic(), "i");
    tag(f.fontUnderline(), "u");
    formatted = formatted || !open.isEmpty();
    return open + escaped(text) + close;
}

QString alignmentOf(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a & Qt::AlignJustify)
        return QStringLiteral("justify");
    if ((a & Qt::AlignRight) || ((a & Qt::AlignTrailing) && !(a & Qt::AlignAbsolute)))
        return QStringLiteral("right");
    return {};
}

NotesFormat::Serialized serializeDocument(const QTextDocument &doc)
{
    NotesFormat::Serialized s;
    s.html = kHeader;
    QTextList *openList = nullptr;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextList *list = b.textList();
        if (list != openList) {
            if (openList)
                s.html += listClosing(openList->format());
            else if (list && b != doc.begin())
                s.html += QStringLiteral("</p>"); // a list inside an open paragraph would take on its format
            if (list)
                s.html += listOpening(list->format());
            openList = list;
            s.formatted = s.formatted || list;
        }
        const QTextBlockFormat bf = b.blockFormat();
        QString attributes;
        const QString align = alignmentOf(bf.alignment());
        if (!align.isEmpty())
            attributes += QStringLiteral(" align=%1").arg(align);
        if (!list && bf.indent() > 0)
            attributes += QStringLiteral(" style=\"-qt-block-indent:%1\"").arg(bf.indent());
        const QList<QTextOption::Tab> tabs = bf.tabPositions();
        if (!tabs.isEmpty())
            attributes += QStringLiteral(" tab=%1").arg(qRound(tabs.first().position));
        s.formatted = s.formatted || !attributes.isEmpty();
        const bool empty = b.length() <= 1;
        if (empty)
            attributes += QStringLiteral(" class=e");
        s.html += (list ? QStringLiteral("<li") : QStringLiteral("<p")) + attributes + QLatin1Char('>');
        if (empty)
            s.html += QStringLiteral("<br>");
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && !fragment.charFormat().isImageFormat())
                s.html += fragmentHtml(fragment.charFormat(), fragment.text(), s.formatted);
        }
    }
    if (openList)
        s.html += listClosing(openList->format());
    return s;
}

// Tab stops are carried in an attribute of each paragraph that the HTML reader
// ignores; the paragraphs come back in order, one block each.
void putTabs(QTextDocument &doc, const QString &html)
{
    static const QRegularExpression element(QStringLiteral("<(?:p|li)\\b([^>]*)>"));
    static const QRegularExpression tab(QStringLiteral("\\btab=(\\d+)"));
    QList<int> intervals;
    for (auto it = element.globalMatch(html); it.hasNext();) {
        const auto m = tab.match(it.next().captured(1));
        intervals.append(m.hasMatch() ? m.captured(1).toInt() : 0);
    }
    if (intervals.size() != doc.blockCount()
        || std::all_of(intervals.begin(), intervals.end(), [](int i) { return i == 0; }))
        return;
    QTextCursor c(&doc);
    int i = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next(), ++i) {
        if (intervals[i] <= 0)
            continue;
        QTextBlockFormat bf = b.blockFormat();
        bf.setTabPositions(NotesFormat::regularTabs(intervals[i]));
        c.setPosition(b.position());
        c.setBlockFormat(bf);
    }
}

} // namespace

QList<QTextOption::Tab> NotesFormat::regularTabs(int interval)
{
    QList<QTextOption::Tab> tabs;
    for (int pos = interval; interval > 0 && pos <= 2400; pos += interval)
        tabs.append(QTextOption::Tab(pos, QTextOption::LeftTab));
    return tabs;
}

bool NotesFormat::isFormatted(const QString &stored) { return stored.startsWith(kHeader); }

QString NotesFormat::plainTextOf(const QString &stored)
{
    if (!isFormatted(stored))
        return stored;
    QTextDocument doc;
    doc.setHtml(stored);
    return doc.toPlainText();
}

void NotesFormat::load(QTextDocument &doc, const QString &stored)
{
    if (isFormatted(stored)) {
        doc.setHtml(stored);
        putTabs(doc, stored);
    } else {
        doc.setPlainText(stored);
    }
}

NotesFormat::Serialized NotesFormat::serialize(const QTextDocument &doc) { return serializeDocument(doc); }

void NotesFormat::applyTabs(QTextDocument &doc, const QString &html) { putTabs(doc, html); }

QString NotesFormat::alignmentName(Qt::Alignment alignment) { return alignmentOf(alignment); }
