#pragma once
// How the program's rules talk to the user: a message box described as data.
// Windows show it through the real message box (platform/gui/messagebox.h);
// tests answer it with ScriptedPrompter.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

enum class MessageIcon { None, Information, Question, Warning, Error };

struct Message {
    QString caption;
    QString text; // "|" starts a new line
    MessageIcon icon = MessageIcon::None;
    QString buttons; // button texts separated by "|"; empty means one "&OK" button
    int defaultButton = 1; // 1-based number of the preselected button

    QStringList buttonTexts() const;
    // The text with each "|" turned into a line break, as the box shows it.
    QString displayText() const;
    friend bool operator==(const Message &, const Message &) = default;
};

class Prompter
{
public:
    virtual ~Prompter() = default;
    // Shows the message and returns the number of the pressed button (1, 2, 3),
    // or 0 when the box was closed without a choice.
    virtual int ask(const Message &message) = 0;
    void tell(const Message &message) { ask(message); }
};

// Records every message and answers from a queue (the default button when the
// queue is empty).
class ScriptedPrompter : public Prompter
{
public:
    int ask(const Message &message) override;
    void answer(int button) { m_answers.push_back(button); }
    const std::vector<Message> &shown() const { return m_shown; }
    QStringList captions() const;
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
    }

private:
    std::vector<Message> m_shown;
    std::deque<int> m_answers;
};
