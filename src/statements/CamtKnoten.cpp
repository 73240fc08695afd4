#include "CamtKnoten.h"

namespace velmora {

const CamtKnoten* CamtKnoten::Kind(const QString& name) const
{
    for (const CamtKnoten& k : kinder) {
        if (k.strName == name)
            return &k;
    }
    return nullptr;
}

const CamtKnoten* CamtKnoten::Pfad(std::initializer_list<const char*> namen) const
{
    const CamtKnoten* k = this;
    for (const char* name : namen) {
        k = k->Kind(QLatin1String(name));
        if (!k)
            return nullptr;
    }
    return k;
}

std::vector<const CamtKnoten*> CamtKnoten::Alle(const QString& name) const
{
    std::vector<const CamtKnoten*> alle;
    for (const CamtKnoten& k : kinder) {
        if (k.strName == name)
            alle.push_back(&k);
    }
    return alle;
}

QString CamtKnoten::Text(std::initializer_list<const char*> namen) const
{
    const CamtKnoten* k = Pfad(namen);
    return k ? k->strText.trimmed() : QString();
}

namespace {

void Beginne(const QXmlStreamReader& leser, CamtKnoten& knoten)
{
    knoten.strName = leser.name().toString();
    knoten.nZeile = static_cast<int>(leser.lineNumber());
    knoten.strWaehrung = leser.attributes().value(QLatin1String("Ccy")).toString();
}

} // namespace

bool LiesCamtKnoten(QXmlStreamReader& leser, CamtKnoten& knoten, int tiefe)
{
    Beginne(leser, knoten);
    // The open elements; a parent's children do not move while one of them is open.
    std::vector<CamtKnoten*> offen{&knoten};
    while (!leser.atEnd()) {
        switch (leser.readNext()) {
            case QXmlStreamReader::StartElement:
                if (tiefe + static_cast<int>(offen.size()) >= kTiefsteCamtEbene)
                    return false;
                offen.push_back(&offen.back()->kinder.emplace_back());
                Beginne(leser, *offen.back());
                break;
            case QXmlStreamReader::Characters:
                offen.back()->strText += leser.text();
                break;
            case QXmlStreamReader::EndElement:
                offen.pop_back();
                if (offen.empty())
                    return true;
                break;
            default:
                break;
        }
    }
    return true;
}

} // namespace velmora
