#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The answer of "With extension": extensions separated by commas or spaces, each with or
// without its dot ("mp3, .ogg flac"); "." alone stands for "no extension". Letter case is
// ignored.
class ExtensionMatcher {
public:
    // std::nullopt when the answer names no extension (blank, or only separators).
    static std::optional<ExtensionMatcher> parse(const QString& answer);
    // The prompt's preset for an item's proposed extension: the extension without its
    // dot, or "." for an item without extension, so that OK selects its kind at once.
    static QString presetFor(const QString& newExt);

    // Whether a proposed extension (with its dot, or empty) is one of the answer's.
    bool matches(const QString& newExt) const;

private:
    QStringList m_extensions; // without their dot; "" for no extension
};
