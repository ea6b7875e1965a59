#include "screens/labels/standardlabelslogic.h"

#include "platform/decimal.h"

StandardLabelsLogic::StandardLabelsLogic(Prompter &prompter, StandardLabelsView &view, Globals &globals)
    : LabelWindowLogic(prompter, view, globals)
    , m_standardView(view)
{
}

QString StandardLabelsLogic::printBatchFor(int batchNumber)
{
    return (QStringLiteral("Brew Batch No. ") + Decimal(batchNumber).toPlainText()).left(20);
}

Message StandardLabelsLogic::alreadyKitMessage()
{
    return { QStringLiteral("In use..."), QStringLiteral("Already using Kit/Recipe description."),
        MessageIcon::Information, {}, 1 };
}

Message StandardLabelsLogic::alreadyBatchMessage()
{
    return { QStringLiteral("In use..."), QStringLiteral("Already using Batch description."), MessageIcon::Information,
        {}, 1 };
}

Message StandardLabelsLogic::noBatchNameMessage()
{
    return { QStringLiteral("Brew has no Batch Name?"),
        QStringLiteral("You can enter a batch name in Update Brews.||Changing to the Kit/Recipe name."),
        MessageIcon::Information, {}, 1 };
}

void StandardLabelsLogic::open()
{
    LabelWindowLogic::open();
    m_batchName = m_globals.GETKITNAME;
    m_printBatch = printBatchFor(m_globals.GETBATCHNUMBER);
    m_globals.labelDescription = 1;
    m_standardView.enableKitRecipe(false);
}

void StandardLabelsLogic::kitRecipe()
{
    if (m_batchName != m_globals.GETKITNAME) {
        m_batchName = m_globals.GETKITNAME;
        m_printBatch = printBatchFor(m_globals.GETBATCHNUMBER);
        m_globals.labelDescription = 1;
    } else {
        m_prompter.tell(alreadyKitMessage());
    }
    m_view.refresh();
}

void StandardLabelsLogic::batch()
{
    m_standardView.enableKitRecipe(true);
    if (m_globals.GETBATCHNAME.trimmed().isEmpty()) {
        m_prompter.tell(noBatchNameMessage());
        m_batchName = m_globals.GETKITNAME;
    } else if (m_batchName != m_globals.GETBATCHNAME) {
        m_batchName = m_globals.GETBATCHNAME;
        m_printBatch = printBatchFor(m_globals.GETBATCHNUMBER);
        m_globals.labelDescription = 0;
    } else {
        m_prompter.tell(alreadyBatchMessage());
    }
    m_view.refresh();
}
