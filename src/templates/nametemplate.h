#pragma once

#include "platform/metadatareader.h"
#include "templates/templatetoken.h"

#include <QString>

#include <vector>

// A parsed name template of "Custom generation...". Text outside brackets is copied,
// "[[" and "]]" stand for literal brackets, and each [token] is replaced per item by
// TemplateGenerator.
//
// Parsing never throws: a template with an unknown token, a bad range or counter, or an
// unbalanced bracket is invalid, and says where and why.
class NameTemplate {
public:
    // The empty template: valid, and it generates empty names.
    NameTemplate() = default;

    static NameTemplate parse(const QString& text);

    bool isValid() const { return m_errorPosition < 0; }
    // A sentence for the user that names the column; empty when valid.
    QString errorMessage() const { return m_errorMessage; }
    // Test only (no caller in the program yet): index of the offending character in the
    // template text; -1 when valid.
    int errorPosition() const { return m_errorPosition; }

    const QString& text() const { return m_text; }
    const std::vector<TemplateToken>& tokens() const { return m_tokens; }

    // The parts of a file's metadata that generating names needs.
    MetadataParts metadataNeeded() const;

private:
    QString m_text;
    std::vector<TemplateToken> m_tokens;
    QString m_errorMessage;
    int m_errorPosition = -1;
};
