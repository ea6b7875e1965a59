#pragma once
// The brew notes editor: a rich-text box with its formatting toolbar that keeps
// what is typed within the notes' limits and stores its formatting in the memo.
//
// Stored form: notes without formatting are stored as their plain text; with
// formatting, as a compact HTML text that begins with "<html>" and reads back
// through QTextDocument::setHtml (tab stops are this editor's own attribute and
// read back only here). When the formatted text would not fit the memo's
// capacity the plain text is stored instead, and the status line says so
// beforehand; nothing is ever cut on saving.

#include <QString>
#include <QWidget>

class QComboBox;
class QFontComboBox;
class QLabel;
class QTextDocument;
class QTextEdit;
class QToolBar;
class QToolButton;
class QAction;
class QActionGroup;
class QTextCharFormat;

class NotesEdit : public QWidget
{
    Q_OBJECT

public:
    explicit NotesEdit(QWidget *parent = nullptr);

    // Typing and pasting stop at this many characters (0 = no limit).
    void setMaxCharacters(int characters);
    int maxCharacters() const { return m_maxCharacters; }
    // The memo's size in bytes (UTF-8); typing also stops before the plain text
    // would outgrow it, and formatting is kept only while it fits (0 = no limit).
    void setCapacity(int bytes);
    int capacity() const { return m_capacity; }

    // Loads a memo as stored (formatted or plain); not a change.
    void setStoredText(const QString &stored);
    // Loads any HTML (pasted or from elsewhere); not a change.
    void setHtml(const QString &html);
    // The memo to store: see the header comment.
    QString toStoredText() const;
    // Whether toStoredText() keeps the formatting, and whether it fits the memo
    // at all (false only for notes loaded already over the limit).
    bool keepsFormatting() const;
    bool storedTextFits() const;

    // Characters in the notes as counted against the limit.
    int characterCount() const;
    QString plainText() const;
    // The status line under the box.
    QString statusText() const;

    // View mode and the browse's display boxes: nothing can be changed, copying still works.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const;
    void setToolbarVisible(bool visible);
    // The status line under the box (a display-only box needs none).
    void setStatusVisible(bool visible);

    QTextEdit *editor() const { return m_edit; }

    // Stored notes as plain text, for boxes and exports that show no formatting.
    static QString plainTextOf(const QString &stored);
    // Whether a stored memo is in the formatted form.
    static bool isFormatted(const QString &stored);

    // Texts of the status line.
    static QString countText(int count, int max);
    static QString fullText();
    static QString pasteRefusedText(int pasted, int room);
    static QString plainFallbackText();

signals:
    // The notes were changed by the user (text or formatting).
    void changed();

private:
    bool allowInsert(const QString &inserted, bool pasted);
    void onContentsChanged();
    void updateStatus();
    void syncControls();
    void mergeFormat(const QTextCharFormat &format);
    void setAlignment(Qt::Alignment alignment);
    void changeIndent(int step);
    void applyListStyle(int index);
    void toggleList(bool on);
    void removeFromLists();
    void setTabInterval(int pixels);
    void buildToolbars();
    void loadStored(const QString &stored, bool html);

    QTextEdit *m_edit = nullptr;
    QLabel *m_status = nullptr;
    QToolBar *m_editBar = nullptr;
    QToolBar *m_fontBar = nullptr;
    QAction *m_cut = nullptr, *m_copy = nullptr, *m_paste = nullptr, *m_undo = nullptr, *m_redo = nullptr;
    QAction *m_bold = nullptr, *m_italic = nullptr, *m_underline = nullptr;
    QAction *m_left = nullptr, *m_center = nullptr, *m_right = nullptr, *m_justify = nullptr;
    QAction *m_indentLess = nullptr, *m_indentMore = nullptr, *m_list = nullptr;
    QToolButton *m_tabStops = nullptr, *m_textColour = nullptr, *m_highlight = nullptr;
    QComboBox *m_listStyle = nullptr, *m_fontSize = nullptr, *m_charset = nullptr;
    QFontComboBox *m_font = nullptr;
    int m_maxCharacters = 0;
    int m_capacity = 0;
    bool m_loading = false;
    bool m_syncing = false;
    QString m_message; // a refusal, shown until the next change
};
