#pragma once

#include "ops/operationcall.h"
#include "platform/userinteraction.h"
#include "templates/templateinteraction.h"

// Stands between ModifyItems and the user. Recording, it passes every question on and
// keeps the last answer of a prompt and the template confirmed; playing back, it gives
// the recorded answer to the first prompt and the empty answer (Cancel) to any further
// one, so a recorded answer that is no longer accepted ends the operation instead of
// asking again. Messages and everything else go to the user in both modes.
class AnswerScript : public UserInteraction, public TemplateInteraction {
public:
    // Recording; templates may be null (Custom generation then ends as if cancelled).
    AnswerScript(UserInteraction& user, TemplateInteraction* templates);
    // Playing back the answers of call.
    AnswerScript(const OperationCall& call, UserInteraction& user, TemplateInteraction* templates);

    // What was answered while recording.
    const std::optional<QString>& lastAnswer() const { return m_answer; }
    const std::optional<QString>& templateText() const { return m_template; }

    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    void messageBox(const QString& text, const QString& title) override;
    void detailedMessageBox(const QString& text, const QString& title, const QString& informative,
                            const QString& details) override;
    QString browseForFolder(const QString& instruction) override;
    std::vector<QByteArray> chooseFiles(const QString& title, const QString& startFolder) override;
    void showFindReplace() override;
    void processPendingEvents() override;

    std::optional<QString> askTemplate(const ItemStore& store) override;
    MetadataReader& metadataReader() override;

private:
    UserInteraction& m_user;
    TemplateInteraction* m_templates;
    bool m_playing = false;
    bool m_answered = false; // playing: the recorded answer was given
    std::optional<QString> m_answer;
    std::optional<QString> m_template;
};
