#include "screens/widgets/notesedit.h"

#include "platform/picture.h"
#include "reports/notesformat.h"
#include "screens/widgets/artwork.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <functional>
#include <optional>

namespace
{

struct NamedColour {
    const char *name;
    QRgb rgb;
};
const NamedColour kColours[] = {
    { "Black", 0x000000 },
    { "Maroon", 0x800000 },
    { "Green", 0x008000 },
    { "Olive", 0x808000 },
    { "Navy", 0x000080 },
    { "Purple", 0x800080 },
    { "Teal", 0x008080 },
    { "Gray", 0x808080 },
    { "Silver", 0xC0C0C0 },
    { "Red", 0xFF0000 },
    { "Lime", 0x00FF00 },
    { "Yellow", 0xFFFF00 },
    { "Blue", 0x0000FF },
    { "Fuchsia", 0xFF00FF },
    { "Aqua", 0x00FFFF },
    { "White", 0xFFFFFF },
};

struct ListStyle {
    const char *name;
    QTextListFormat::Style style;
};
const ListStyle kListStyles[] = {
    { "Bullets", QTextListFormat::ListDisc },
    { "Arabic numbers", QTextListFormat::ListDecimal },
    { "Lower letters", QTextListFormat::ListLowerAlpha },
    { "Upper letters", QTextListFormat::ListUpperAlpha },
    { "Lower Roman numbers", QTextListFormat::ListLowerRoman },
    { "Upper Roman numbers", QTextListFormat::ListUpperRoman },
};

const char *const kFontSizes[]
    = { "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72" };

// Tab stop intervals offered, in tenths of a centimetre (0 = the default tabs).
const int kTabIntervals[] = { 0, 5, 10, 15, 20, 25, 30 };

int pixelsOfMillimetres(int tenthsOfCm) { return qRound(tenthsOfCm * 96.0 / 25.4); }

int codePoints(const QString &s)
{
    int n = 0;
    for (int i = 0; i < s.size(); ++i) {
        if (!(s[i].isLowSurrogate() && i > 0 && s[i - 1].isHighSurrogate()))
            ++n;
    }
    return n;
}

int utf8Size(const QString &s) { return int(s.toUtf8().size()); }

QIcon toolIcon(const char *name)
{
    const QString n = QLatin1String(name);
    const QIcon themed = QIcon::fromTheme(n);
    return themed.isNull() ? artwork::formatIcon(n) : themed;
}

QIcon swatch(QRgb rgb)
{
    QPixmap p(12, 12);
    p.fill(QColor(rgb));
    return QIcon(p);
}

// Calls `apply` with a cursor on each paragraph of the selection.
void forEachSelectedBlock(QTextEdit *edit, const std::function<void(QTextCursor &, const QTextBlock &)> &apply)
{
    QTextCursor c = edit->textCursor();
    QTextDocument *doc = edit->document();
    const QTextBlock last = doc->findBlock(c.selectionEnd());
    c.beginEditBlock();
    for (QTextBlock b = doc->findBlock(c.selectionStart()); b.isValid(); b = b.next()) {
        QTextCursor bc(b);
        apply(bc, b);
        if (b == last)
            break;
    }
    c.endEditBlock();
}

// The text box itself: every way text gets in (keys, input methods, paste,
// drop) asks first whether it fits.
class LimitedTextEdit : public QTextEdit
{
public:
    using QTextEdit::QTextEdit;
    std::function<bool(const QString &, bool pasted)> allow;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        const QString inserted = insertedBy(e);
        if (!inserted.isEmpty() && !isReadOnly() && allow && !allow(inserted, false)) {
            e->accept();
            return;
        }
        QTextEdit::keyPressEvent(e);
    }
    void inputMethodEvent(QInputMethodEvent *e) override
    {
        if (!e->commitString().isEmpty() && allow && !allow(e->commitString(), false))
            e->setCommitString(QString());
        QTextEdit::inputMethodEvent(e);
    }
    void insertFromMimeData(const QMimeData *source) override
    {
        QString inserted = source->text();
        if (source->hasHtml() && acceptRichText())
            inserted = QTextDocumentFragment::fromHtml(source->html()).toPlainText();
        if (allow && !allow(inserted, true))
            return;
        QTextEdit::insertFromMimeData(source);
    }

private:
    static QString insertedBy(QKeyEvent *e)
    {
        if (e->matches(QKeySequence::InsertParagraphSeparator) || e->matches(QKeySequence::InsertLineSeparator))
            return QStringLiteral("\n");
        const QString text = e->text();
        // Control alone makes a shortcut; with Alt (AltGr) it still types.
        if (text.isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier)
            return {};
        const bool typed = std::all_of(
            text.begin(), text.end(), [](QChar c) { return c.isPrint() || c.isSurrogate() || c == QLatin1Char('\t'); });
        return typed ? text : QString();
    }
};

} // namespace

NotesEdit::NotesEdit(QWidget *parent)
    : QWidget(parent)
{
    auto *edit = new LimitedTextEdit(this);
    edit->allow = [this](const QString &inserted, bool pasted) { return allowInsert(inserted, pasted); };
    m_edit = edit;
    m_edit->setTabChangesFocus(false);
    m_status = new QLabel(this);
    m_status->setAccessibleName(QStringLiteral("Notes status"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    buildToolbars();
    layout->addWidget(m_editBar);
    layout->addWidget(m_fontBar);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_status);
    setFocusProxy(m_edit);

    connect(m_edit->document(), &QTextDocument::contentsChanged, this, &NotesEdit::onContentsChanged);
    connect(m_edit, &QTextEdit::currentCharFormatChanged, this, &NotesEdit::syncControls);
    connect(m_edit, &QTextEdit::cursorPositionChanged, this, &NotesEdit::syncControls);
    connect(m_edit, &QTextEdit::undoAvailable, this, [this](bool on) { m_undo->setEnabled(on && !isReadOnly()); });
    connect(m_edit, &QTextEdit::redoAvailable, this, [this](bool on) { m_redo->setEnabled(on && !isReadOnly()); });
    connect(m_edit, &QTextEdit::copyAvailable, this, [this](bool on) {
        m_copy->setEnabled(on);
        m_cut->setEnabled(on && !isReadOnly());
    });
    if (QClipboard *clipboard = QApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this,
            [this] { m_paste->setEnabled(m_edit->canPaste() && !isReadOnly()); });
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    m_cut->setEnabled(false);
    m_copy->setEnabled(false);
    m_paste->setEnabled(m_edit->canPaste());
    syncControls();
    updateStatus();
}

void NotesEdit::buildToolbars()
{
    m_editBar = new QToolBar(this);
    m_fontBar = new QToolBar(this);
    for (QToolBar *bar : { m_editBar, m_fontBar }) {
        bar->setIconSize(QSize(16, 16));
        bar->setFloatable(false);
        bar->setMovable(false);
    }
    const auto action = [this](QToolBar *bar, const char *text, const char *icon, auto slot) {
        QAction *a = bar->addAction(toolIcon(icon), QString::fromLatin1(text));
        a->setToolTip(a->text());
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_cut = action(m_editBar, "Cut", "edit-cut", [this] { m_edit->cut(); });
    m_copy = action(m_editBar, "Copy", "edit-copy", [this] { m_edit->copy(); });
    m_paste = action(m_editBar, "Paste", "edit-paste", [this] { m_edit->paste(); });
    m_undo = action(m_editBar, "Undo", "edit-undo", [this] { m_edit->undo(); });
    m_redo = action(m_editBar, "Redo", "edit-redo", [this] { m_edit->redo(); });
    m_editBar->addSeparator();

    m_indentLess = action(m_editBar, "Decrease Indent", "format-indent-less", [this] { changeIndent(-1); });
    m_indentMore = action(m_editBar, "Increase Indent", "format-indent-more", [this] { changeIndent(1); });
    m_editBar->addSeparator();

    auto *alignments = new QActionGroup(this);
    const auto alignAction = [&](const char *text, const char *icon, Qt::Alignment a) {
        QAction *act = action(m_editBar, text, icon, [this, a] { setAlignment(a); });
        act->setCheckable(true);
        alignments->addAction(act);
        return act;
    };
    m_left = alignAction("Align Left", "format-justify-left", Qt::AlignLeft | Qt::AlignAbsolute);
    m_center = alignAction("Center", "format-justify-center", Qt::AlignHCenter);
    m_right = alignAction("Align Right", "format-justify-right", Qt::AlignRight | Qt::AlignAbsolute);
    m_justify = alignAction("Justify", "format-justify-fill", Qt::AlignJustify);
    m_editBar->addSeparator();

    m_list = action(m_editBar, "Bullets and Numbering", "format-list-unordered", &NotesEdit::toggleList);
    m_list->setCheckable(true);
    m_listStyle = new QComboBox(m_editBar);
    m_listStyle->setToolTip(QStringLiteral("Bullets and numbering style"));
    m_listStyle->setAccessibleName(m_listStyle->toolTip());
    m_listStyle->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_listStyle->setMinimumContentsLength(14);
    for (int i = 0; i < int(std::size(kListStyles)); ++i)
        m_listStyle->addItem(QString::fromLatin1(kListStyles[i].name), i + 1);
    connect(m_listStyle, &QComboBox::activated, this, &NotesEdit::applyListStyle);
    m_editBar->addWidget(m_listStyle);

    m_font = new QFontComboBox(m_fontBar);
    m_font->setToolTip(QStringLiteral("Font"));
    m_font->setAccessibleName(QStringLiteral("Font"));
    m_font->setMaximumWidth(170);
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        QTextCharFormat f;
        f.setFontFamilies(QStringList { font.family() });
        mergeFormat(f);
    });
    m_fontBar->addWidget(m_font);

    m_fontSize = new QComboBox(m_fontBar);
    m_fontSize->setEditable(true);
    m_fontSize->setValidator(new QIntValidator(1, 400, m_fontSize));
    m_fontSize->setToolTip(QStringLiteral("Font Size"));
    m_fontSize->setAccessibleName(QStringLiteral("Font Size"));
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (const char *size : kFontSizes)
        m_fontSize->addItem(QString::fromLatin1(size));
    const auto applySize = [this] {
        const double size = m_fontSize->currentText().toDouble();
        if (size <= 0)
            return;
        QTextCharFormat f;
        f.setFontPointSize(size);
        mergeFormat(f);
    };
    // A size from the list, or any other size typed and confirmed with Enter.
    connect(m_fontSize, &QComboBox::activated, this, applySize);
    connect(m_fontSize->lineEdit(), &QLineEdit::returnPressed, this, applySize);
    m_fontBar->addWidget(m_fontSize);

    m_charset = new QComboBox(m_fontBar);
    m_charset->setToolTip(QStringLiteral("Character Set"));
    m_charset->setAccessibleName(QStringLiteral("Character Set"));
    m_charset->setMaximumWidth(120);
    m_charset->addItem(QStringLiteral("Any"), int(QFontDatabase::Any));
    for (QFontDatabase::WritingSystem ws : QFontDatabase::writingSystems()) {
        if (ws != QFontDatabase::Any)
            m_charset->addItem(QFontDatabase::writingSystemName(ws), int(ws));
    }
    connect(m_charset, &QComboBox::activated, this, [this](int index) {
        // Filtering the font list may change its current font; that is no choice of the user's.
        const QSignalBlocker block(m_font);
        m_font->setWritingSystem(QFontDatabase::WritingSystem(m_charset->itemData(index).toInt()));
        syncControls();
    });
    m_fontBar->addWidget(m_charset);
    m_fontBar->addSeparator();
    m_tabStops = new QToolButton(m_fontBar);
    m_tabStops->setText(QStringLiteral("Tab Stops"));
    m_tabStops->setToolTip(QStringLiteral("Tab Stops"));
    m_tabStops->setAccessibleName(QStringLiteral("Tab Stops"));
    m_tabStops->setPopupMode(QToolButton::InstantPopup);
    auto *tabMenu = new QMenu(m_tabStops);
    for (int interval : kTabIntervals) {
        const QString text = interval == 0 ? QStringLiteral("Default")
                                           : QStringLiteral("Every %1 cm").arg(QString::number(interval / 10.0));
        tabMenu->addAction(text, this, [this, interval] { setTabInterval(pixelsOfMillimetres(interval)); });
    }
    m_tabStops->setMenu(tabMenu);
    m_fontBar->addWidget(m_tabStops);
    m_fontBar->addSeparator();

    const auto toggle = [&](const char *text, const char *icon, const QKeySequence &key, auto apply) {
        QAction *a = action(m_fontBar, text, icon, apply);
        a->setCheckable(true);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a); // the shortcut works while the text box has the focus
        return a;
    };
    m_bold = toggle("Bold", "format-text-bold", QKeySequence::Bold, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(f);
    });
    m_italic = toggle("Italic", "format-text-italic", QKeySequence::Italic, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        mergeFormat(f);
    });
    m_underline = toggle("Underline", "format-text-underline", QKeySequence::Underline, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        mergeFormat(f);
    });

    const auto colourButton = [this](const QString &text, const char *icon, QTextFormat::Property property) {
        auto *button = new QToolButton(m_fontBar);
        button->setText(text);
        button->setIcon(toolIcon(icon));
        button->setToolTip(text);
        button->setAccessibleName(text);
        button->setPopupMode(QToolButton::InstantPopup);
        auto *menu = new QMenu(button);
        const auto apply = [this, property](std::optional<QColor> colour) {
            QTextCursor c = m_edit->textCursor();
            if (colour) {
                QTextCharFormat f;
                f.setProperty(property, QBrush(*colour));
                mergeFormat(f);
                return;
            }
            // "Automatic" takes the colour off, which a merge cannot do.
            if (c.hasSelection()) {
                struct Range {
                    int from, to;
                    QTextCharFormat format;
                };
                std::vector<Range> ranges;
                const int start = c.selectionStart(), end = c.selectionEnd();
                for (QTextBlock b = m_edit->document()->findBlock(start); b.isValid() && b.position() < end;
                     b = b.next()) {
                    for (auto it = b.begin(); !it.atEnd(); ++it) {
                        const QTextFragment fr = it.fragment();
                        const int from = std::max(fr.position(), start),
                                  to = std::min(fr.position() + fr.length(), end);
                        if (from < to)
                            ranges.push_back({ from, to, fr.charFormat() });
                    }
                }
                c.beginEditBlock();
                for (Range &r : ranges) {
                    r.format.clearProperty(property);
                    QTextCursor rc(m_edit->document());
                    rc.setPosition(r.from);
                    rc.setPosition(r.to, QTextCursor::KeepAnchor);
                    rc.setCharFormat(r.format);
                }
                c.endEditBlock();
            }
            if (!c.hasSelection()) {
                QTextCharFormat current = m_edit->currentCharFormat();
                current.clearProperty(property);
                m_edit->setCurrentCharFormat(current);
            }
        };
        menu->addAction(QStringLiteral("Automatic"), this, [apply] { apply(std::nullopt); });
        for (const NamedColour &nc : kColours)
            menu->addAction(swatch(nc.rgb), QString::fromLatin1(nc.name), this, [apply, nc] { apply(QColor(nc.rgb)); });
        button->setMenu(menu);
        m_fontBar->addWidget(button);
        return button;
    };
    m_textColour = colourButton(QStringLiteral("Font Colour"), "format-text-color", QTextFormat::ForegroundBrush);
    m_highlight
        = colourButton(QStringLiteral("Highlight Colour"), "format-text-highlight", QTextFormat::BackgroundBrush);
}

void NotesEdit::setMaxCharacters(int characters)
{
    m_maxCharacters = std::max(0, characters);
    updateStatus();
}

void NotesEdit::setCapacity(int bytes)
{
    m_capacity = std::max(0, bytes);
    updateStatus();
}

void NotesEdit::loadStored(const QString &stored, bool html)
{
    m_loading = true;
    m_edit->document()->setUndoRedoEnabled(false);
    if (html) {
        m_edit->setHtml(stored);
        NotesFormat::applyTabs(*m_edit->document(), stored);
    } else {
        m_edit->setPlainText(stored);
    }
    m_edit->document()->setUndoRedoEnabled(true);
    m_edit->document()->setModified(false);
    m_loading = false;
    m_message.clear();
    m_edit->moveCursor(QTextCursor::Start);
    syncControls();
    updateStatus();
}

void NotesEdit::setStoredText(const QString &stored) { loadStored(stored, isFormatted(stored)); }
void NotesEdit::setHtml(const QString &html) { loadStored(html, true); }

bool NotesEdit::isFormatted(const QString &stored) { return NotesFormat::isFormatted(stored); }

QString NotesEdit::plainTextOf(const QString &stored) { return NotesFormat::plainTextOf(stored); }

QString NotesEdit::toStoredText() const
{
    const NotesFormat::Serialized s = NotesFormat::serialize(*m_edit->document());
    const QString plain = plainText();
    if (!s.formatted && !isFormatted(plain))
        return plain;
    if (m_capacity == 0 || utf8Size(s.html) <= m_capacity)
        return s.html;
    return plain;
}

bool NotesEdit::keepsFormatting() const
{
    const NotesFormat::Serialized s = NotesFormat::serialize(*m_edit->document());
    return !s.formatted || m_capacity == 0 || utf8Size(s.html) <= m_capacity;
}

bool NotesEdit::storedTextFits() const { return m_capacity == 0 || utf8Size(toStoredText()) <= m_capacity; }

QString NotesEdit::plainText() const { return m_edit->toPlainText(); }
int NotesEdit::characterCount() const { return codePoints(plainText()); }
QString NotesEdit::statusText() const { return m_status->text(); }

QString NotesEdit::countText(int count, int max)
{
    if (max <= 0)
        return QStringLiteral("%1 characters").arg(picture::format(QStringLiteral("N9"), count));
    return QStringLiteral("%1 of %2 characters")
        .arg(picture::format(QStringLiteral("N9"), count), picture::format(QStringLiteral("N9"), max));
}

QString NotesEdit::fullText() { return QStringLiteral("These notes are full; nothing more can be added."); }

QString NotesEdit::pasteRefusedText(int pasted, int room)
{
    return QStringLiteral("Nothing was pasted: the %1 characters pasted do not fit in the room left (%2).")
        .arg(picture::format(QStringLiteral("N9"), pasted), picture::format(QStringLiteral("N9"), room));
}

QString NotesEdit::plainFallbackText()
{
    return QStringLiteral(
        "The formatting does not fit in the space for these notes; they will be saved as plain text.");
}

bool NotesEdit::allowInsert(const QString &inserted, bool pasted)
{
    if (m_maxCharacters == 0 && m_capacity == 0)
        return true;
    const QTextCursor c = m_edit->textCursor();
    const QString selected = c.hasSelection() ? c.selection().toPlainText() : QString();
    const QString plain = plainText();
    const int countLeft = codePoints(plain) - codePoints(selected);
    const int bytesLeft = utf8Size(plain) - utf8Size(selected);
    const bool fits = (m_maxCharacters == 0 || countLeft + codePoints(inserted) <= m_maxCharacters)
        && (m_capacity == 0 || bytesLeft + utf8Size(inserted) <= m_capacity);
    if (fits)
        return true;
    int room = INT_MAX;
    if (m_maxCharacters > 0)
        room = m_maxCharacters - countLeft;
    if (m_capacity > 0)
        room = std::min(room, m_capacity - bytesLeft);
    m_message = pasted ? pasteRefusedText(codePoints(inserted), std::max(0, room)) : fullText();
    QApplication::beep();
    updateStatus();
    return false;
}

void NotesEdit::onContentsChanged()
{
    if (m_loading)
        return;
    m_message.clear();
    updateStatus();
    emit changed();
}

void NotesEdit::updateStatus()
{
    QString text = m_message.isEmpty() ? countText(characterCount(), m_maxCharacters) : m_message;
    if (!keepsFormatting())
        text += (text.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ")) + plainFallbackText();
    m_status->setText(text);
}

void NotesEdit::syncControls()
{
    m_syncing = true;
    const QTextCharFormat f = m_edit->currentCharFormat();
    m_bold->setChecked(f.fontWeight() >= QFont::DemiBold);
    m_italic->setChecked(f.fontItalic());
    m_underline->setChecked(f.fontUnderline());
    const QFont font = f.font().resolve(m_edit->document()->defaultFont());
    {
        const QSignalBlocker block(m_font);
        m_font->setCurrentFont(font);
    }
    const double size = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : font.pointSizeF();
    m_fontSize->setCurrentText(size > 0 ? QString::number(size) : QString());
    const QString align = NotesFormat::alignmentName(m_edit->alignment());
    (align == QLatin1String("center")           ? m_center
            : align == QLatin1String("right")   ? m_right
            : align == QLatin1String("justify") ? m_justify
                                                : m_left)
        ->setChecked(true);
    QTextList *list = m_edit->textCursor().currentList();
    m_list->setChecked(list != nullptr);
    if (list) {
        for (int i = 0; i < int(std::size(kListStyles)); ++i) {
            if (kListStyles[i].style == list->format().style())
                m_listStyle->setCurrentIndex(i);
        }
    }
    m_syncing = false;
}

void NotesEdit::mergeFormat(const QTextCharFormat &format)
{
    if (m_syncing || isReadOnly())
        return;
    m_edit->mergeCurrentCharFormat(format);
}

void NotesEdit::setAlignment(Qt::Alignment alignment)
{
    if (!isReadOnly())
        m_edit->setAlignment(alignment);
}

void NotesEdit::changeIndent(int step)
{
    if (isReadOnly())
        return;
    QTextCursor c = m_edit->textCursor();
    if (QTextList *list = c.currentList()) {
        QTextListFormat lf = list->format();
        c.beginEditBlock();
        if (lf.indent() + step < 1) {
            removeFromLists(); // out of the outermost list: back to plain paragraphs
        } else {
            lf.setIndent(lf.indent() + step);
            c.createList(lf);
        }
        c.endEditBlock();
        syncControls();
        return;
    }
    forEachSelectedBlock(m_edit, [step](QTextCursor &bc, const QTextBlock &b) {
        QTextBlockFormat bf = b.blockFormat();
        bf.setIndent(std::max(0, bf.indent() + step));
        bc.setBlockFormat(bf);
    });
}

void NotesEdit::applyListStyle(int index)
{
    if (isReadOnly() || index < 0 || index >= int(std::size(kListStyles)))
        return;
    QTextCursor c = m_edit->textCursor();
    if (QTextList *list = c.currentList()) {
        QTextListFormat lf = list->format();
        lf.setStyle(kListStyles[index].style);
        list->setFormat(lf);
    } else {
        c.createList(kListStyles[index].style);
    }
    syncControls();
}

void NotesEdit::toggleList(bool on)
{
    if (m_syncing || isReadOnly())
        return;
    if (on) {
        applyListStyle(m_listStyle->currentIndex());
        return;
    }
    removeFromLists();
    syncControls();
}

void NotesEdit::removeFromLists()
{
    forEachSelectedBlock(m_edit, [](QTextCursor &bc, const QTextBlock &b) {
        QTextList *list = b.textList();
        if (!list)
            return;
        list->remove(b);
        QTextBlockFormat bf = b.blockFormat();
        bf.setIndent(0); // removing keeps the list's indent, which a plain paragraph does not want
        bc.setBlockFormat(bf);
    });
}

void NotesEdit::setTabInterval(int pixels)
{
    if (isReadOnly())
        return;
    forEachSelectedBlock(m_edit, [pixels](QTextCursor &bc, const QTextBlock &b) {
        QTextBlockFormat bf = b.blockFormat();
        if (pixels > 0)
            bf.setTabPositions(NotesFormat::regularTabs(pixels));
        else
            bf.clearProperty(QTextFormat::TabPositions);
        bc.setBlockFormat(bf);
    });
}

void NotesEdit::setReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
    m_edit->setTextInteractionFlags(
        readOnly ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard : Qt::TextEditorInteraction);
    for (QAction *a :
        { m_bold, m_italic, m_underline, m_left, m_center, m_right, m_justify, m_indentLess, m_indentMore, m_list })
        a->setEnabled(!readOnly);
    for (QWidget *w : std::initializer_list<QWidget *> {
             m_tabStops, m_textColour, m_highlight, m_listStyle, m_font, m_fontSize, m_charset })
        w->setEnabled(!readOnly);
    m_paste->setEnabled(!readOnly && m_edit->canPaste());
    m_undo->setEnabled(!readOnly && m_edit->document()->isUndoAvailable());
    m_redo->setEnabled(!readOnly && m_edit->document()->isRedoAvailable());
    m_cut->setEnabled(!readOnly && m_edit->textCursor().hasSelection());
}

bool NotesEdit::isReadOnly() const { return m_edit->isReadOnly(); }

void NotesEdit::setToolbarVisible(bool visible)
{
    m_editBar->setVisible(visible);
    m_fontBar->setVisible(visible);
}

void NotesEdit::setStatusVisible(bool visible) { m_status->setVisible(visible); }
