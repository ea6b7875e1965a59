#pragma once
// The real message box behind the Prompter.

#include "platform/prompter.h"

class QWidget;

class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    int ask(const Message &message) override;

private:
    QWidget *m_parent;
};
