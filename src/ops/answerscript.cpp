#include "ops/answerscript.h"

AnswerScript::AnswerScript(UserInteraction& user, TemplateInteraction* templates)
    : m_user(user), m_templates(templates)
{
}

AnswerScript::AnswerScript(const OperationCall& call, UserInteraction& user,
                           TemplateInteraction* templates)
    : m_user(user), m_templates(templates), m_playing(true), m_answer(call.answer),
      m_template(call.templateText)
{
}

QString AnswerScript::inputBox(const QString& prompt, const QString& title, const QString& preset)
{
    if (m_playing) {
        if (m_answered)
            return QString();
        m_answered = true;
        return m_answer.value_or(QString());
    }
    m_answer = m_user.inputBox(prompt, title, preset);
    return *m_answer;
}

void AnswerScript::messageBox(const QString& text, const QString& title)
{
    m_user.messageBox(text, title);
}

void AnswerScript::detailedMessageBox(const QString& text, const QString& title,
                                      const QString& informative, const QString& details)
{
    m_user.detailedMessageBox(text, title, informative, details);
}

QString AnswerScript::browseForFolder(const QString& instruction)
{
    return m_user.browseForFolder(instruction);
}

std::vector<QByteArray> AnswerScript::chooseFiles(const QString& title, const QString& startFolder)
{
    return m_user.chooseFiles(title, startFolder);
}

void AnswerScript::showFindReplace()
{
    m_user.showFindReplace();
}

void AnswerScript::processPendingEvents()
{
    m_user.processPendingEvents();
}

std::optional<QString> AnswerScript::askTemplate(const ItemStore& store)
{
    if (!m_templates)
        return std::nullopt;
    if (m_playing)
        return m_template;
    m_template = m_templates->askTemplate(store);
    return m_template;
}

MetadataReader& AnswerScript::metadataReader()
{
    // Only asked after askTemplate gave a template, which it does only with m_templates.
    Q_ASSERT(m_templates);
    return m_templates->metadataReader();
}
