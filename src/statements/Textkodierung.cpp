#include "Textkodierung.h"

#include "Text.h"

#include <QStringDecoder>

#include <algorithm>

namespace velmora {

namespace {

int ZeileBei(const std::string& bytes, size_t pos)
{
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
}

// The length of the valid UTF-8 sequence at `pos`, 0 when there is none.
size_t Utf8Folge(const std::string& s, size_t pos)
{
    const auto b = [&s](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(pos);
    size_t laenge = 0;
    unsigned int wert = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        laenge = 2;
        wert = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        laenge = 3;
        wert = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        laenge = 4;
        wert = c & 0x07;
    } else {
        return 0;
    }
    if (pos + laenge > s.size())
        return 0;
    for (size_t i = 1; i < laenge; ++i) {
        if ((b(pos + i) & 0xC0) != 0x80)
            return 0;
        wert = (wert << 6) | (b(pos + i) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are no UTF-8.
    const bool zuLang = (laenge == 3 && wert < 0x800) || (laenge == 4 && wert < 0x10000);
    if (zuLang || (wert >= 0xD800 && wert <= 0xDFFF) || wert > 0x10FFFF)
        return 0;
    return laenge;
}

} // namespace

bool LiesUtf16(const std::string& bytes, QString& text, int& fehlzeile)
{
    fehlzeile = 0;
    QStringDecoder::Encoding kodierung = QStringDecoder::Utf16LE;
    size_t beginn = 0;
    if (bytes.starts_with("\xFF\xFE")) {
        beginn = 2;
    } else if (bytes.starts_with("\xFE\xFF")) {
        kodierung = QStringDecoder::Utf16BE;
        beginn = 2;
    } else {
        // Without a mark: text that is mostly ASCII has a zero in every other byte.
        const size_t probe = std::min<size_t>(bytes.size() & ~size_t{1}, 4096);
        size_t geradeNull = 0, ungeradeNull = 0;
        for (size_t i = 0; i < probe; ++i)
            (i % 2 == 0 ? geradeNull : ungeradeNull) += bytes[i] == '\0' ? 1 : 0;
        if (probe < 4 || std::max(geradeNull, ungeradeNull) * 4 < probe || std::min(geradeNull, ungeradeNull) > 0)
            return false;
        kodierung = geradeNull > ungeradeNull ? QStringDecoder::Utf16BE : QStringDecoder::Utf16LE;
    }
    // Broken when a surrogate is unpaired or a byte is left over; the line counts the units before it.
    const auto einheit = [&bytes, kodierung](size_t i) {
        const auto b = [&bytes](size_t j) { return static_cast<unsigned char>(bytes[j]); };
        return static_cast<char16_t>(kodierung == QStringDecoder::Utf16LE ? b(i) | b(i + 1) << 8
                                                                          : b(i) << 8 | b(i + 1));
    };
    int zeile = 1;
    for (size_t i = beginn; i < bytes.size(); i += 2) {
        if (i + 1 >= bytes.size()) {
            fehlzeile = zeile;
            break;
        }
        const char16_t c = einheit(i);
        zeile += c == u'\n' ? 1 : 0;
        const bool hoch = QChar::isHighSurrogate(c);
        if (QChar::isLowSurrogate(c) || (hoch && (i + 3 >= bytes.size() || !QChar::isLowSurrogate(einheit(i + 2))))) {
            fehlzeile = zeile;
            break;
        }
        i += hoch ? 2 : 0;
    }
    if (fehlzeile == 0) {
        QStringDecoder dekoder(kodierung);
        text = dekoder(QByteArrayView(bytes.data() + beginn, static_cast<qsizetype>(bytes.size() - beginn)));
    }
    return true;
}

bool AlsUtf8(std::string bytes, std::string& text, int& fehlzeile)
{
    fehlzeile = 0;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.erase(0, 3);
    size_t ersterFehler = std::string::npos;
    bool mehrbyte = false;
    for (size_t i = 0; i < bytes.size();) {
        const size_t laenge = Utf8Folge(bytes, i);
        if (laenge == 0) {
            ersterFehler = std::min(ersterFehler, i);
            ++i;
            continue;
        }
        mehrbyte = mehrbyte || laenge > 1;
        i += laenge;
    }
    if (ersterFehler == std::string::npos) {
        text = std::move(bytes);
        return true;
    }
    if (mehrbyte) {
        fehlzeile = ZeileBei(bytes, ersterFehler);
        return false;
    }
    text = Cp1252ZuUtf8(bytes);
    return true;
}

std::string OhneSteuerzeichen(std::string text)
{
    std::string ohne;
    ohne.reserve(text.size());
    for (char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (c == '\t' || c == '\r' || c == '\n')
            ohne += ' ';
        else if (b >= 0x20 && b != 0x7F)
            ohne += c;
    }
    return ohne;
}

} // namespace velmora
