#ifndef OVSDKQTHOST_QTSCRIPTEDANSWERS_H
#define OVSDKQTHOST_QTSCRIPTEDANSWERS_H

#include <deque>

namespace orvane {
namespace sdk {
namespace qthost {

template <typename Answer>
// Answers for modal dialogs given in advance, so that tests and scripted
// sessions never block on a dialog.
//
// Implements: a first-in first-out list of answers; a dialog service that
// holds one takes the next answer instead of showing its dialog, and shows
// the dialog only when none is left.
// Leaves to the application: the answers.
class QtScriptedAnswers
{
public:
    // Adds `answer` at the end of the list.
    void push(const Answer& answer) { m_answers.push_back(answer); }
    // Drops every answer left.
    void clear() { m_answers.clear(); }
    // Whether no answer is left.
    bool empty() const { return m_answers.empty(); }

    // Takes the next answer into `answer`; false when none is left.
    bool take(Answer& answer)
    {
        if (m_answers.empty())
            return false;
        answer = m_answers.front();
        m_answers.pop_front();
        return true;
    }

private:
    std::deque<Answer> m_answers;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTSCRIPTEDANSWERS_H
