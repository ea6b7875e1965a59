#include "screens/labels/ownlabelslogic.h"

#include <array>

OwnLabelsLogic::OwnLabelsLogic(Prompter &prompter, LabelWindowView &view, Globals &globals)
    : LabelWindowLogic(prompter, view, globals)
{
}

QString &OwnLabelsLogic::field(Field which)
{
    return which == Field::Header ? m_globals.LABELHEADER : m_globals.LABELBODY;
}

QString &OwnLabelsLogic::line(int number)
{
    std::array<QString *, 5> lines = { &m_globals.COMMENTLINE1, &m_globals.COMMENTLINE2, &m_globals.COMMENTLINE3,
        &m_globals.COMMENTLINE4, &m_globals.COMMENTLINE5 };
    return *lines.at(std::size_t(number - 1));
}

void OwnLabelsLogic::setField(Field which, const QString &text) { field(which) = text.left(kHeaderChars); }

void OwnLabelsLogic::setLine(int number, const QString &text) { line(number) = text.left(kLineChars); }

void OwnLabelsLogic::example()
{
    m_globals.LABELHEADER = QStringLiteral("Black Stump Bitter");
    m_globals.LABELBODY = QStringLiteral("A Home Brewed Beer");
    const char *lines[] = { "These five lines will default to the 'Other",
        "Brew Ingredients'. Using the fields here you", "can Edit, Change or Clear this information",
        "without affecting the ingredients on file.", "Designed for the A4 paper size." };
    for (int i = 0; i < 5; ++i)
        line(i + 1) = QString::fromLatin1(lines[i]);
    m_view.refresh();
}

void OwnLabelsLogic::reset()
{
    m_globals.LABELHEADER.clear();
    m_globals.LABELBODY.clear();
    for (int i = 1; i <= 5; ++i)
        line(i).clear();
    m_view.refresh();
}

void OwnLabelsLogic::fill(Field which, Source source)
{
    switch (source) {
    case Source::Batch:
        setField(which, m_globals.GETBATCHNAME);
        break;
    case Source::Kit:
        setField(which, m_globals.GETKITNAME);
        break;
    case Source::Clear:
        field(which).clear();
        break;
    }
    m_view.refresh();
}

void OwnLabelsLogic::clearLines()
{
    for (int i = 1; i <= 5; ++i)
        line(i).clear();
    m_view.refresh();
}
