#pragma once

#include <QString>

// The fields of music file names such as "Artist - Title": a field is the text before,
// between or after the separators " - ". Separators are found by exact search. Every
// function returns the name unchanged when it lacks the separators it needs.
class MusicTitles {
public:
    static QString cutArtist(const QString& s);           // drop the first field
    static QString cutTitle(const QString& s);            // drop the last field
    static QString cutExtraInfo(const QString& s, int k); // drop the field after the k-th
    static QString lastFieldToFront(const QString& s);    // last field, then the others
    static QString swapFirstTwoFields(const QString& s);  // second, first, then the rest
    // Word capitals on the artist (the first field) and/or sentence capitals on the title
    // (everything after the first separator, trimmed of spaces).
    static QString smartCase(const QString& s, bool artist, bool title);

    // Every space-separated word with an upper-case first character and a lower-case
    // rest; spaces stay where they are, also side by side.
    static QString wordCapitals(const QString& text);
    // Upper-case first character, lower-case rest.
    static QString sentenceCapitals(const QString& text);
};
