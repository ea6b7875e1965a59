#pragma once
// The messages every window builds the same way: an icon by what the message is, the usual button
// sets, and the two questions of the browse and form protocol. Rules shape their messages with
// these and show them through their Prompter.

#include "platform/prompter.h"

namespace messages
{

inline const QString kYesNo = QStringLiteral("&Yes|&No");
inline const QString kYesNoCancel = QStringLiteral("&Yes|&No|&Cancel");

// A notice or a range message: the information icon and one OK button.
inline Message info(const QString &caption, const QString &text)
{
    return { caption, text, MessageIcon::Information, {}, 1 };
}

// A required value left empty or a refused duplicate: the warning icon and one OK button.
inline Message warning(const QString &caption, const QString &text)
{
    return { caption, text, MessageIcon::Warning, {}, 1 };
}

// A copy or save that failed: the error icon and one OK button.
inline Message error(const QString &caption, const QString &text)
{
    return { caption, text, MessageIcon::Error, {}, 1 };
}

// A question: the question icon, its buttons ("&Yes|&No" unless given) and the preselected one.
inline Message question(
    const QString &caption, const QString &text, const QString &buttons = kYesNo, int defaultButton = 1)
{
    return { caption, text, MessageIcon::Question, buttons, defaultButton };
}

// Cancelling a form whose fields were changed: 1 saves, 2 drops the changes, 3 stays in the form.
inline Message saveChangesQuestion()
{
    return question(QStringLiteral("Save Record"), QStringLiteral("Do you want to save the changes to this record?"),
        kYesNoCancel, 3);
}

// Deleting the highlighted row of a browse: 1 deletes.
inline Message confirmDeleteQuestion()
{
    return question(QStringLiteral("Confirm Delete"),
        QStringLiteral("Are you sure you want to delete the highlighted record?"), kYesNo, 2);
}

} // namespace messages
