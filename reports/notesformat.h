#pragma once
// The stored form of a brew's notes. Notes without formatting are stored as their plain text;
// with formatting, as a compact HTML text that begins with a fixed header and reads back through
// QTextDocument::setHtml, with the tab stops of each paragraph carried in an attribute of its own
// that only this reader puts back. The notes editor writes and reads it; a report prints from it
// without any widget.

#include <QList>
#include <QString>
#include <QTextOption>

class QTextDocument;

class NotesFormat
{
public:
    struct Serialized {
        QString html;
        bool formatted = false; // anything a plain text would lose
    };

    // Whether a stored memo is in the formatted form.
    static bool isFormatted(const QString &stored);
    // Stored notes as plain text, for boxes and exports that show no formatting.
    static QString plainTextOf(const QString &stored);
    // Reads stored notes (formatted or plain) into `doc`, tab stops included.
    static void load(QTextDocument &doc, const QString &stored);
    // The document in the stored HTML form.
    static Serialized serialize(const QTextDocument &doc);
    // Puts back the tab stops that `html` carries on the paragraphs of `doc` read from it.
    static void applyTabs(QTextDocument &doc, const QString &html);
    // The stored name of a paragraph alignment ("center", "right", "justify"; empty for left).
    static QString alignmentName(Qt::Alignment alignment);
    // Left tab stops every `interval` pixels across a line (none for 0).
    static QList<QTextOption::Tab> regularTabs(int interval);
};
