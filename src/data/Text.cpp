#include "Text.h"

#include <array>
#include <cstdarg>
#include <cstdio>

namespace velmora {

namespace {

// Unicode code points of the bytes 0x80 to 0x9F; 0 where cp1252 leaves the byte undefined.
constexpr std::array<char32_t, 32> kSteuerBereich = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ZeichenVon(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return kSteuerBereich[c - 0x80] ? kSteuerBereich[c - 0x80] : c;
    return c;
}

void HaengeUtf8An(std::string& ziel, char32_t cp)
{
    if (cp < 0x80) {
        ziel += static_cast<char>(cp);
    } else if (cp < 0x800) {
        ziel += static_cast<char>(0xC0 | (cp >> 6));
        ziel += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        ziel += static_cast<char>(0xE0 | (cp >> 12));
        ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (cp >> 18));
        ziel += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char ByteFuer(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kSteuerBereich[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

constexpr std::array<unsigned char, 256> BaueKleinTabelle()
{
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    for (int i = 'A'; i <= 'Z'; ++i)
        t[i] = static_cast<unsigned char>(i + 32);
    for (int i = 0xC0; i <= 0xDE; ++i) {
        if (i != 0xD7)
            t[i] = static_cast<unsigned char>(i + 32);
    }
    t[0x8A] = 0x9A;
    t[0x8C] = 0x9C;
    t[0x8E] = 0x9E;
    t[0x9F] = 0xFF;
    return t;
}

constexpr std::array<unsigned char, 256> kKlein = BaueKleinTabelle();

bool ZaehltImVergleich(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
}

} // namespace

unsigned char Klein(unsigned char c)
{
    return kKlein[c];
}

std::string Klein(std::string_view text)
{
    std::string ergebnis(text);
    for (char& c : ergebnis)
        c = static_cast<char>(kKlein[static_cast<unsigned char>(c)]);
    return ergebnis;
}

int VergleicheListenText(std::string_view a, std::string_view b)
{
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = kKlein[static_cast<unsigned char>(a[i])];
        const unsigned char y = kKlein[static_cast<unsigned char>(b[i])];
        if (x != y && ZaehltImVergleich(x) && ZaehltImVergleich(y))
            return x < y ? -1 : 1;
    }
    return 0;
}

bool GleichOhneGross(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (kKlein[static_cast<unsigned char>(a[i])] != kKlein[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

std::string Format(const char* format, ...)
{
    char puffer[256];
    va_list args;
    va_start(args, format);
    va_list kopie;
    va_copy(kopie, args);
    const int laenge = std::vsnprintf(puffer, sizeof puffer, format, args);
    va_end(args);
    std::string ergebnis;
    if (laenge < 0) {
        va_end(kopie);
        return ergebnis;
    }
    if (static_cast<size_t>(laenge) < sizeof puffer) {
        ergebnis.assign(puffer, static_cast<size_t>(laenge));
    } else {
        ergebnis.resize(static_cast<size_t>(laenge) + 1);
        std::vsnprintf(ergebnis.data(), ergebnis.size(), format, kopie);
        ergebnis.resize(static_cast<size_t>(laenge));
    }
    va_end(kopie);
    return ergebnis;
}

std::string DatumsText(int nDatum, bool bDeutsch)
{
    const int jahr = nDatum / 10000;
    const int monat = (nDatum - jahr * 10000) / 100;
    const int tag = nDatum % 100;
    return bDeutsch ? Format("%2d.%2d.%4d", tag, monat, jahr) : Format("%2d/%2d/%4d", monat, tag, jahr);
}

std::string Cp1252ZuUtf8(std::string_view text)
{
    std::string ergebnis;
    ergebnis.reserve(text.size() + text.size() / 4);
    for (char c : text)
        HaengeUtf8An(ergebnis, ZeichenVon(static_cast<unsigned char>(c)));
    return ergebnis;
}

std::string Utf8ZuCp1252(std::string_view text)
{
    std::string ergebnis;
    ergebnis.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        int folge = 0;
        char32_t cp = c;
        if (c >= 0xF0 && c < 0xF8) {
            folge = 3;
            cp = c & 0x07;
        } else if (c >= 0xE0) {
            folge = 2;
            cp = c & 0x0F;
        } else if (c >= 0xC0) {
            folge = 1;
            cp = c & 0x1F;
        } else if (c >= 0x80) {
            ergebnis += '?';
            ++i;
            continue;
        }
        if (i + static_cast<size_t>(folge) >= text.size()) {
            ergebnis += '?';
            break;
        }
        bool gueltig = true;
        for (int k = 1; k <= folge; ++k) {
            const unsigned char f = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            if ((f & 0xC0) != 0x80) {
                gueltig = false;
                break;
            }
            cp = (cp << 6) | (f & 0x3F);
        }
        if (!gueltig) {
            ergebnis += '?';
            ++i;
            continue;
        }
        ergebnis += ByteFuer(cp);
        i += static_cast<size_t>(folge) + 1;
    }
    return ergebnis;
}

} // namespace velmora
