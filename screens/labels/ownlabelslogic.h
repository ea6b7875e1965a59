#pragma once
// The rules of the own-label window (Win_CreateOwnLabels): a heading, a body line
// and five comment lines, typed or filled from the brew's names. The lines are
// copies: changing them never touches the brew.

#include "screens/labels/labelwindowlogic.h"

class OwnLabelsLogic : public LabelWindowLogic
{
public:
    static constexpr int kHeaderChars = 35; // heading and body
    static constexpr int kLineChars = 45; // comment lines

    enum class Field { Header, Body };
    enum class Source { Batch, Kit, Clear };

    OwnLabelsLogic(Prompter &prompter, LabelWindowView &view, Globals &globals = glo());

    QString &field(Field which);
    QString &line(int number); // 1 to 5

    // A value typed into the heading, the body or a line, held to its width.
    void setField(Field which, const QString &text);
    void setLine(int number, const QString &text);

    void example();
    void reset();
    // The "Batch", "Kit/Rc" and "Clear" buttons beside the heading or the body.
    void fill(Field which, Source source);
    void clearLines();
};
