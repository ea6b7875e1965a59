#include "screens/labels/labelwindowlogic.h"

#include "platform/picture.h"

LabelWindowLogic::LabelWindowLogic(Prompter &prompter, LabelWindowView &view, Globals &globals)
    : m_prompter(prompter)
    , m_view(view)
    , m_globals(globals)
{
}

Decimal LabelWindowLogic::pagesFor(int labels) { return (Decimal(labels) / Decimal(kLabelsPerSheet)).rounded(2); }

QString LabelWindowLogic::pagesText() const { return Picture(QStringLiteral("n4.1")).text(m_pagesToPrint).trimmed(); }

QString LabelWindowLogic::countText() const
{
    return Picture(QStringLiteral("n3")).text(static_cast<long long>(m_globals.HOWMANYLABELS)).trimmed();
}

void LabelWindowLogic::open()
{
    if (m_globals.HOWMANYLABELS == 0)
        m_globals.HOWMANYLABELS = 8;
    // The sheets follow the count the window opens with (a count kept from a window closed by its
    // frame included), never less than one.
    m_pagesToPrint = pagesFor(m_globals.HOWMANYLABELS);
    if (!(m_pagesToPrint > Decimal(0)))
        m_pagesToPrint = Decimal(1);
}

bool LabelWindowLogic::setCount(int labels)
{
    if (labels < kMinLabels || labels > kMaxLabels)
        return false;
    m_globals.HOWMANYLABELS = std::uint16_t(labels);
    m_pagesToPrint = pagesFor(labels);
    m_view.refresh();
    return true;
}

void LabelWindowLogic::close()
{
    m_globals.GETBATCHNAME.clear();
    m_globals.GETKITNAME.clear();
    m_globals.LABELHEADER.clear();
    m_globals.LABELBODY.clear();
    m_globals.HOWMANYLABELS = 0;
}
