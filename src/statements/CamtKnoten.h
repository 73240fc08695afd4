#pragma once

// One element of a CAMT file with its text and children, read without recursion and only as deep as a
// statement goes, so that a hostile file can neither exhaust the stack nor hold the whole tree at once.

#include <QString>
#include <QXmlStreamReader>

#include <initializer_list>
#include <vector>

namespace velmora {

// Deeper than any element of a CAMT statement (about 15 levels) with room for extensions.
constexpr int kTiefsteCamtEbene = 64;

struct CamtKnoten
{
    QString strName;
    QString strText;
    QString strWaehrung; // the attribute Ccy of an amount
    int nZeile = 0;
    std::vector<CamtKnoten> kinder;

    const CamtKnoten* Kind(const QString& name) const;
    const CamtKnoten* Pfad(std::initializer_list<const char*> namen) const;
    std::vector<const CamtKnoten*> Alle(const QString& name) const;
    // The trimmed text at the path, empty when there is none.
    QString Text(std::initializer_list<const char*> namen) const;
};

// Reads the element whose start the reader stands on, down to its end. `tiefe` is its own level. False
// when the element nests deeper than kTiefsteCamtEbene; a malformed file leaves the reader in error.
bool LiesCamtKnoten(QXmlStreamReader& leser, CamtKnoten& knoten, int tiefe);

} // namespace velmora
