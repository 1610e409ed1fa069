#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// What the program asks of the user and shows to the user: modal prompts, messages, the
// choosers, the find and replace dialog and the event loop. The application uses the Qt
// implementation its main window owns; tests script every answer.
//
// Texts may hold line breaks as the character 13.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // The text entered; "" when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& preset) = 0;
    // Returns when the user has closed the message.
    virtual void messageBox(const QString& text, const QString& title) = 0;
    // A message with a second paragraph (informative) and a list the user may unfold
    // (details, lines separated by '\n'). Without its own form it is a plain message.
    virtual void detailedMessageBox(const QString& text, const QString& title,
                                    const QString& informative, const QString& details)
    {
        Q_UNUSED(informative);
        Q_UNUSED(details);
        messageBox(text, title);
    }
    // A question with Yes and No, with a second paragraph and unfoldable details as in
    // detailedMessageBox; true for Yes. Without its own form the answer is No.
    virtual bool question(const QString& text, const QString& title, const QString& informative,
                          const QString& details)
    {
        Q_UNUSED(text);
        Q_UNUSED(title);
        Q_UNUSED(informative);
        Q_UNUSED(details);
        return false;
    }
    // The chosen folder; "" when cancelled.
    virtual QString browseForFolder(const QString& instruction) = 0;
    // The chosen files as on-disk byte paths, in the order given; none when cancelled. The
    // chooser opens in startFolder ("" leaves the choice to the toolkit).
    virtual std::vector<QByteArray> chooseFiles(const QString& title,
                                                const QString& startFolder) = 0;
    // Opens the find and replace dialog in the mode of the find and replace values and
    // returns without waiting for it.
    virtual void showFindReplace() = 0;
    // Lets the window repaint and handle queued input, then returns.
    virtual void processPendingEvents() = 0;
};
