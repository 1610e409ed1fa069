#pragma once

#include <QString>

// The "Exact phrase" rule of Replace and Containing: an occurrence counts only as a whole
// phrase, not directly preceded or followed by a letter, a digit or a combining mark (so
// "cafe" is not found in "cafe\u0301"). Surrogate pairs are judged as one character.
class PhraseMatch {
public:
    // Whether text[index, index + length) stands as a whole phrase in text.
    static bool isWholePhrase(QStringView text, qsizetype index, qsizetype length);
    // Index of the last whole-phrase occurrence of find in text that begins at or before
    // from, or -1. Occurrences are compared exactly (callers fold case beforehand).
    static qsizetype lastWholeOccurrence(QStringView text, QStringView find, qsizetype from);
};
