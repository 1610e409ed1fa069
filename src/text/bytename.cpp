#include "text/bytename.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

// Length of the valid UTF-8 sequence starting at data[i], or 0 when the byte there does
// not start one (overlong forms, encoded surrogates and code points above U+10FFFF are
// invalid).
int validSequenceLength(const unsigned char* data, qsizetype i, qsizetype size)
{
    const unsigned char lead = data[i];
    int length;
    unsigned char low = 0x80, high = 0xBF; // bounds of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // overlong below U+0800
        else if (lead == 0xED)
            high = 0x9F; // U+D800..U+DFFF are not characters
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // overlong below U+10000
        else if (lead == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (i + length > size)
        return 0;
    if (data[i + 1] < low || data[i + 1] > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if ((data[i + k] & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

bool isHigh(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLow(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

QString ByteName::decode(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized); // never more units than bytes
    out.truncate(decodeTo(bytes, reinterpret_cast<char16_t*>(out.data())));
    return out;
}

qsizetype ByteName::decodeTo(QByteArrayView bytes, char16_t* target)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype n = 0;
    for (qsizetype i = 0; i < size;) {
        // Runs of ASCII go eight bytes at a time.
        quint64 word;
        if (i + 8 <= size && (std::memcpy(&word, data + i, 8), (word & 0x8080808080808080) == 0)) {
            for (int k = 0; k < 8; ++k)
                target[n + k] = char16_t(data[i + k]);
            n += 8;
            i += 8;
            continue;
        }
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            target[n++] = char16_t(lead);
            ++i;
            continue;
        }
        // Two-byte sequences (Latin, Greek, Cyrillic, ...) take the short way.
        if (lead >= 0xC2 && lead <= 0xDF && i + 1 < size && (data[i + 1] & 0xC0) == 0x80) {
            target[n++] = char16_t(((lead & 0x1F) << 6) | (data[i + 1] & 0x3F));
            i += 2;
            continue;
        }
        const int length = validSequenceLength(data, i, size);
        if (length == 0) {
            target[n++] = char16_t(0xDC00 + lead);
            ++i;
            continue;
        }
        char32_t code = lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (data[i + k] & 0x3F);
        if (code >= 0x10000) {
            target[n++] = char16_t(0xD800 + ((code - 0x10000) >> 10));
            target[n++] = char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            target[n++] = char16_t(code);
        }
        i += length;
    }
    return n;
}

std::optional<QByteArray> ByteName::encode(const QString& text)
{
    return encode(text, QStringView());
}

std::optional<QByteArray> ByteName::encode(QStringView first, QStringView second)
{
    // Written through a pointer into room for the longest result (three bytes a unit):
    // a list of thousands of names is encoded on every Apply and every terminal run.
    const qsizetype split = first.size();
    const qsizetype size = split + second.size();
    // A pair may be split between the two parts.
    const auto unitAt = [&](qsizetype i) {
        return i < split ? first[i].unicode() : second[i - split].unicode();
    };
    QByteArray out(3 * size, Qt::Uninitialized);
    char* at = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = unitAt(i);
        if (c < 0x80) {
            *at++ = char(c);
        } else if (c < 0x800) {
            *at++ = char(0xC0 | (c >> 6));
            *at++ = char(0x80 | (c & 0x3F));
        } else if (isHigh(c) && i + 1 < size && isLow(unitAt(i + 1))) {
            const char32_t code =
                0x10000 + ((char32_t(c) - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00);
            *at++ = char(0xF0 | (code >> 18));
            *at++ = char(0x80 | ((code >> 12) & 0x3F));
            *at++ = char(0x80 | ((code >> 6) & 0x3F));
            *at++ = char(0x80 | (code & 0x3F));
            ++i;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            *at++ = char(escapedByte(QChar(c)));
        } else if (isHigh(c) || isLow(c)) {
            return std::nullopt;
        } else {
            *at++ = char(0xE0 | (c >> 12));
            *at++ = char(0x80 | ((c >> 6) & 0x3F));
            *at++ = char(0x80 | (c & 0x3F));
        }
    }
    out.truncate(at - out.constData());
    return out;
}

bool ByteName::isEscapeAt(const QString& text, qsizetype i)
{
    const char16_t c = text.at(i).unicode();
    if (c < 0xDC80 || c > 0xDCFF)
        return false;
    // The second half of a pair is part of a character, not an escape. Text that
    // decode() made never holds a lone high surrogate, so a low one after a high one
    // always completes it.
    return i == 0 || !isHigh(text.at(i - 1).unicode());
}

QString ByteName::shown(const QString& text)
{
    QString out = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEscapeAt(text, i))
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

namespace {

// Applies convert to each run of the text between lone surrogates.
QString convertBetweenLoneSurrogates(const QString& text, QString (QString::*convert)() const&)
{
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    QString out;
    qsizetype start = 0; // of the run not yet copied
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (isHigh(c) && i + 1 < size && isLow(data[i + 1].unicode())) {
            ++i;
            continue;
        }
        if (!isHigh(c) && !isLow(c))
            continue;
        if (out.isNull())
            out.reserve(size);
        out += (QStringView(data + start, i - start).toString().*convert)();
        out += data[i];
        start = i + 1;
    }
    if (out.isNull())
        return (text.*convert)();
    out += (QStringView(data + start, size - start).toString().*convert)();
    return out;
}

// The upper case of each unit, found once: 0 not yet known, else KnownBit | SpecialBit
// when the unit is a surrogate or its upper case is not one character (ß gives SS), else
// KnownBit | the upper-case character.
constexpr quint32 KnownBit = 0x10000, SpecialBit = 0x20000;
std::atomic<quint32> upperOf[0x10000];

quint32 upperEntry(char16_t c)
{
    quint32 entry = upperOf[c].load(std::memory_order_relaxed);
    if (entry == 0) {
        if (isHigh(c) || isLow(c)) {
            entry = KnownBit | SpecialBit;
        } else {
            const QString full = QString(QChar(c)).toUpper();
            entry = KnownBit | (full.size() == 1 ? full.at(0).unicode() : SpecialBit);
        }
        upperOf[c].store(entry, std::memory_order_relaxed);
    }
    return entry;
}

// Four units at a time go into one word, and each word into the hash, so that most of
// the work per unit is a shift.
class UnitHash {
public:
    void add(char16_t unit)
    {
        m_word = (m_word << 16) | unit;
        if (++m_units % 4 == 0) {
            mix(m_word);
            m_word = 0;
        }
    }
    quint64 value()
    {
        mix(m_word ^ (quint64(m_units) << 48));
        return m_hash ^ (m_hash >> 29);
    }

private:
    void mix(quint64 word)
    {
        m_hash = (m_hash ^ word) * 0x9e3779b97f4a7c15ULL;
        m_hash ^= m_hash >> 32;
    }

    quint64 m_hash = 0xcbf29ce484222325ULL;
    quint64 m_word = 0;
    quint32 m_units = 0;
};

// The units of text from i on that toUpper makes of the character at i, for a unit the
// table does not answer: a surrogate, or a character whose upper case is not one unit.
// Answers how many units of text it read.
qsizetype addUpperSlowly(UnitHash& hash, const char16_t* units, qsizetype i, qsizetype size)
{
    const char16_t c = units[i];
    if (isHigh(c) && i + 1 < size && isLow(units[i + 1])) {
        const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(c, units[i + 1]));
        if (QChar::requiresSurrogates(upper)) {
            hash.add(QChar::highSurrogate(upper));
            hash.add(QChar::lowSurrogate(upper));
        } else {
            hash.add(char16_t(upper));
        }
        return 2;
    }
    if (isHigh(c) || isLow(c)) {
        hash.add(c); // kept as it is, as toUpper does
        return 1;
    }
    for (QChar unit : QString(QChar(c)).toUpper())
        hash.add(unit.unicode());
    return 1;
}

} // namespace

quint64 ByteName::upperHash(QStringView first, QStringView second)
{
    // The two parts are hashed one after the other, as if joined; only a surrogate pair
    // split between them needs the joined text.
    if (!first.isEmpty() && !second.isEmpty() && isHigh(first.back().unicode()) &&
        isLow(second.front().unicode())) {
        const QString joined = first.toString() + second.toString();
        return upperHash(joined, {});
    }
    UnitHash hash;
    for (QStringView part : {first, second}) {
        const char16_t* const units = part.utf16();
        const qsizetype size = part.size();
        for (qsizetype i = 0; i < size;) {
            // One lookup answers every unit but a surrogate or one whose upper case is
            // longer; no test on the kind of unit, so mixed scripts cost no guessing.
            quint32 entry = upperOf[units[i]].load(std::memory_order_relaxed);
            if (entry == 0)
                entry = upperEntry(units[i]);
            if ((entry & (KnownBit | SpecialBit)) == KnownBit) {
                hash.add(char16_t(entry));
                ++i;
            } else {
                i += addUpperSlowly(hash, units, i, size);
            }
        }
    }
    return hash.value();
}

QString ByteName::toUpper(const QString& text)
{
    return convertBetweenLoneSurrogates(text, &QString::toUpper);
}

QString ByteName::toLower(const QString& text)
{
    return convertBetweenLoneSurrogates(text, &QString::toLower);
}
