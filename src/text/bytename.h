#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// File names as the file system stores them are bytes; the program edits them as text.
// The mapping between the two is lossless: valid UTF-8 decodes as usual, and every byte
// that is not part of a valid UTF-8 sequence becomes the lone surrogate U+DC80 + (byte -
// 0x80) (an "escape"). Encoding turns each escape back into its byte, so
// encode(decode(bytes)) == bytes for every byte string. Valid UTF-8 never decodes to a
// lone surrogate, so the escapes cannot be confused with real characters.
class ByteName {
public:
    static QString decode(const QByteArray& bytes);
    // decode() into a buffer of at least bytes.size() units; answers the units written.
    static qsizetype decodeTo(QByteArrayView bytes, char16_t* target);
    // The bytes a text stands for; empty when the text holds a lone surrogate that is not
    // an escape (half of a pair split by an edit, or one typed in), which no byte string
    // can carry.
    static std::optional<QByteArray> encode(const QString& text);
    // encode(first + second), without building the joined text.
    static std::optional<QByteArray> encode(QStringView first, QStringView second);

    // Whether the code unit at position i of text is an escape (a lone low surrogate in
    // U+DC80..U+DCFF, not the second half of a pair), and the byte it stands for.
    static bool isEscapeAt(const QString& text, qsizetype i);
    static unsigned char escapedByte(QChar unit) { return uchar(unit.unicode() - 0xDC00); }

    // Upper and lower case that leave every lone surrogate where it is.
    // QString::toUpper and toLower turn a lone surrogate into U+FFFD, which would lose the
    // escaped byte.
    static QString toUpper(const QString& text);
    static QString toLower(const QString& text);
    // A 64-bit hash of toUpper(first + second), found without building either text, so
    // that equal upper-case texts have equal hashes.
    static quint64 upperHash(QStringView first, QStringView second);

    // The text to show for a name: each escape becomes the marker U+FFFD, so that the
    // user sees where a byte of the name is not a character. The text itself is returned
    // when it holds no escape.
    static QString shown(const QString& text);
};
