#include "CamtAuszug.h"

#include "Auszugstext.h"
#include "CamtKnoten.h"
#include "Text.h"

#include <QDateTime>
#include <QTimeZone>

#include <array>
#include <vector>

namespace velmora {

namespace {

const QString kNamensraum = QStringLiteral("urn:iso:std:iso:20022:tech:xsd:camt.");

// The message, its body and the element of one account in it.
struct Nachricht
{
    const char* kennung;
    const char* rumpf;
    const char* konto;
};

constexpr std::array<Nachricht, 3> kNachrichten = {
    Nachricht{"053", "BkToCstmrStmt", "Stmt"},
    Nachricht{"052", "BkToCstmrAcctRpt", "Rpt"},
    Nachricht{"054", "BkToCstmrDbtCdtNtfctn", "Ntfctn"},
};

std::string Cp(const QString& text)
{
    return Utf8ZuCp1252(text.toStdString());
}

// The zone the household lives in: the system's, unless the system runs on plain UTC as servers and
// containers do, where Germany's is the better guess.
QTimeZone Zeitzone()
{
    const QTimeZone system = QTimeZone::systemTimeZone();
    const QByteArray id = system.id();
    if (!qEnvironmentVariableIsSet("TZ") && (!system.isValid() || id == "UTC" || id == "Etc/UTC")) {
        const QTimeZone berlin("Europe/Berlin");
        if (berlin.isValid())
            return berlin;
    }
    return system;
}

class Leser final
{
public:
    explicit Leser(Leseergebnis& ergebnis)
        : m_ergebnis(ergebnis)
        , m_zone(Zeitzone())
    {
    }

    void Konto(const CamtKnoten& acct)
    {
        if (!m_ergebnis.auszuege.empty())
            m_ergebnis.auszuege.back().strIban = NormaleIban(acct.Text({"Id", "IBAN"}).toStdString());
    }

    bool Eintrag(const CamtKnoten& ntry)
    {
        if (m_ergebnis.auszuege.empty())
            return Fehler(Lesefehler::kKeinAuszug, ntry, {}, "Ntry");
        Kontoauszug& auszug = m_ergebnis.auszuege.back();
        const CamtKnoten* sts = ntry.Kind(QStringLiteral("Sts"));
        const QString status =
            sts ? (sts->Kind(QStringLiteral("Cd")) ? sts->Text({"Cd"}) : sts->strText.trimmed()) : QString();
        if (status != QLatin1String("BOOK")) {
            auszug.nVorgemerkt += 1;
            return true;
        }
        Auszugszeile zeile;
        zeile.nZeile = ntry.nZeile;
        const CamtKnoten* amt = ntry.Kind(QStringLiteral("Amt"));
        if (!amt)
            return Fehler(Lesefehler::kBetrag, ntry, {}, "Amt");
        double betrag = 0.0;
        bool eingang = false;
        if (!Betrag(*amt, betrag) || !Richtung(ntry, eingang) || !Datum(ntry, zeile.nDatum))
            return false;
        const QString storno = ntry.Text({"RvslInd"});
        zeile.bStorno = storno == QLatin1String("true") || storno == QLatin1String("1");
        zeile.strWaehrung = Waehrung(*amt);
        const QString eintragsInfo = ntry.Text({"AddtlNtryInf"});
        const std::string referenz = Cp(ntry.Text({"AcctSvcrRef"}));

        std::vector<const CamtKnoten*> details;
        for (const CamtKnoten* dtls : ntry.Alle(QStringLiteral("NtryDtls"))) {
            for (const CamtKnoten* tx : dtls->Alle(QStringLiteral("TxDtls")))
                details.push_back(tx);
        }
        bool einzeln = details.size() > 1;
        for (const CamtKnoten* tx : details)
            einzeln = einzeln && DetailBetrag(*tx);

        if (!einzeln) {
            zeile.dBetrag = eingang ? betrag : -betrag;
            zeile.strReferenz = referenz;
            Beteiligte(details.empty() ? nullptr : details.front(), eingang, zeile.bStorno, auszug.strIban,
                       eintragsInfo, zeile);
            auszug.zeilen.push_back(std::move(zeile));
            return true;
        }
        // A batch whose details carry their amounts: one line per detail.
        for (size_t i = 0; i < details.size(); ++i) {
            const CamtKnoten& tx = *details[i];
            Auszugszeile teil = zeile;
            double teilBetrag = 0.0;
            bool teilEingang = eingang;
            const CamtKnoten& teilAmt = *DetailBetrag(tx);
            if (!Betrag(teilAmt, teilBetrag) || (tx.Kind(QStringLiteral("CdtDbtInd")) && !Richtung(tx, teilEingang)))
                return false;
            teil.dBetrag = teilEingang ? teilBetrag : -teilBetrag;
            teil.nZeile = tx.nZeile;
            teil.strWaehrung = Waehrung(teilAmt);
            teil.strReferenz = referenz.empty() ? std::string() : referenz + "/" + std::to_string(i + 1);
            Beteiligte(&tx, teilEingang, zeile.bStorno, auszug.strIban, eintragsInfo, teil);
            auszug.zeilen.push_back(std::move(teil));
        }
        return true;
    }

    bool Fehler(Lesefehler::Art art, const CamtKnoten& k, const QString& wert, const char* detail = "")
    {
        m_ergebnis.fehler = {art, k.nZeile, wert.toStdString(), detail, {}};
        return false;
    }

private:
    static std::string Waehrung(const CamtKnoten& amt)
    {
        return amt.strWaehrung.isEmpty() || amt.strWaehrung == QLatin1String("EUR") ? std::string()
                                                                                    : Cp(amt.strWaehrung);
    }

    bool Betrag(const CamtKnoten& amt, double& wert)
    {
        const QString text = amt.strText.trimmed();
        if (text.contains(QLatin1Char(',')) || !LiesAuszugsbetrag(text.toStdString(), '.', wert))
            return Fehler(Lesefehler::kBetrag, amt, text);
        return true;
    }

    // The direction of an entry or a detail: true for money coming in.
    bool Richtung(const CamtKnoten& k, bool& eingang)
    {
        const QString anzeige = k.Text({"CdtDbtInd"});
        if (anzeige != QLatin1String("CRDT") && anzeige != QLatin1String("DBIT")) {
            const CamtKnoten* ort = k.Kind(QStringLiteral("CdtDbtInd"));
            return Fehler(Lesefehler::kKeinAuszug, ort ? *ort : k, anzeige, "CdtDbtInd");
        }
        eingang = anzeige == QLatin1String("CRDT");
        return true;
    }

    // The booking date; a time with a zone counts in the household's zone (23:00 UTC on the 4th is the 5th
    // in Germany).
    bool Datum(const CamtKnoten& ntry, int& datum)
    {
        const CamtKnoten* k = ntry.Pfad({"BookgDt", "Dt"});
        if (!k)
            k = ntry.Pfad({"BookgDt", "DtTm"});
        if (!k)
            return Fehler(Lesefehler::kKeinDatum, ntry, {}, "BookgDt");
        const QString text = k->strText.trimmed();
        const Datumsfehler fehler = LiesAuszugsdatum(text.toStdString(), datum);
        if (fehler != Datumsfehler::kKeiner)
            return Fehler(fehler == Datumsfehler::kGibtEsNicht ? Lesefehler::kDatumGibtEsNicht : Lesefehler::kKeinDatum,
                          *k, text);
        const qsizetype zeit = text.indexOf(QLatin1Char('T'));
        const bool mitZone = zeit > 0 && (text.endsWith(QLatin1Char('Z')) || text.indexOf(QLatin1Char('+'), zeit) > 0 ||
                                          text.indexOf(QLatin1Char('-'), zeit) > 0);
        if (!mitZone)
            return true;
        const QDateTime zeitpunkt = QDateTime::fromString(text, Qt::ISODateWithMs);
        if (!zeitpunkt.isValid())
            return Fehler(Lesefehler::kKeinDatum, *k, text);
        const QDate lokal = zeitpunkt.toTimeZone(m_zone).date();
        datum = lokal.year() * 10000 + lokal.month() * 100 + lokal.day();
        return true;
    }

    // Counterparty and purpose of a detail: of creditor and debtor the one that is not the account, else
    // the other one, else the additional information; the purpose from the unstructured remittance, else
    // the additional information of the detail or of the entry.
    static void Beteiligte(const CamtKnoten* tx, bool eingang, bool storno, const std::string& eigeneIban,
                           const QString& eintragsInfo, Auszugszeile& zeile)
    {
        const CamtKnoten* parteien = tx ? tx->Kind(QStringLiteral("RltdPties")) : nullptr;
        auto name = [parteien](const char* wer) {
            if (!parteien)
                return QString();
            const CamtKnoten* p = parteien->Kind(QLatin1String(wer));
            if (!p)
                return QString();
            const QString direkt = p->Text({"Nm"});
            return (direkt.isEmpty() ? p->Text({"Pty", "Nm"}) : direkt).simplified();
        };
        auto iban = [parteien](const char* konto) {
            return parteien ? NormaleIban(parteien->Text({konto, "Id", "IBAN"}).toStdString()) : std::string();
        };
        const std::string glaeubigerIban = iban("CdtrAcct");
        const std::string schuldnerIban = iban("DbtrAcct");
        // Money in comes from the debtor; a reversal moves it back, so its parties are the other way round.
        bool glaeubiger = eingang == storno;
        if (!eigeneIban.empty() && glaeubigerIban == eigeneIban)
            glaeubiger = false;
        else if (!eigeneIban.empty() && schuldnerIban == eigeneIban)
            glaeubiger = true;
        QString gegenName = name(glaeubiger ? "Cdtr" : "Dbtr");
        zeile.strIban = glaeubiger ? glaeubigerIban : schuldnerIban;
        const std::string andereIban = glaeubiger ? schuldnerIban : glaeubigerIban;
        if (gegenName.isEmpty() && (eigeneIban.empty() || andereIban != eigeneIban)) {
            gegenName = name(glaeubiger ? "Dbtr" : "Cdtr");
            if (zeile.strIban.empty())
                zeile.strIban = andereIban;
        }
        const QString txInfo = tx ? tx->Text({"AddtlTxInf"}).simplified() : QString();
        const QString info = txInfo.isEmpty() ? eintragsInfo.simplified() : txInfo;
        zeile.strName = Cp(gegenName.isEmpty() ? info : gegenName);
        QStringList zweck;
        if (const CamtKnoten* rmt = tx ? tx->Kind(QStringLiteral("RmtInf")) : nullptr) {
            for (const CamtKnoten* u : rmt->Alle(QStringLiteral("Ustrd")))
                zweck << u->strText.simplified();
        }
        zeile.strZweck = Cp(zweck.isEmpty() ? info : zweck.join(QLatin1Char(' ')));
    }

    static const CamtKnoten* DetailBetrag(const CamtKnoten& tx)
    {
        if (const CamtKnoten* amt = tx.Kind(QStringLiteral("Amt")))
            return amt;
        return tx.Pfad({"AmtDtls", "TxAmt", "Amt"});
    }

    Leseergebnis& m_ergebnis;
    QTimeZone m_zone;
};

// The message the root element's namespace names, with a version from 02 to 13; nullptr for any other.
const Nachricht* NachrichtDes(const QString& namensraum)
{
    if (!namensraum.startsWith(kNamensraum))
        return nullptr;
    const QString rest = namensraum.mid(kNamensraum.size()); // "053.001.08"
    bool zahl = false;
    const int version = rest.mid(8).toInt(&zahl);
    if (rest.size() != 10 || rest.mid(3, 5) != QLatin1String(".001.") || !zahl || version < 2 || version > 13)
        return nullptr;
    for (const Nachricht& n : kNachrichten) {
        if (rest.startsWith(QLatin1String(n.kennung)))
            return &n;
    }
    return nullptr;
}

Leseergebnis Lies(QXmlStreamReader& leser)
{
    Leseergebnis ergebnis;
    Leser eintraege(ergebnis);
    const Nachricht* nachricht = nullptr;
    bool rumpf = false;
    bool imKonto = false; // inside a statement, report or notification
    bool fehler = false;  // a fault is found; the rest is read only for the XML's own errors
    int tiefe = 0;
    auto keinAuszug = [&](const std::string& detail) {
        ergebnis.fehler = {Lesefehler::kKeinAuszug, static_cast<int>(leser.lineNumber()), {}, detail, {}};
        fehler = true;
    };
    while (!leser.atEnd()) {
        const QXmlStreamReader::TokenType art = leser.readNext();
        if (art == QXmlStreamReader::EndElement) {
            --tiefe;
            continue;
        }
        if (art != QXmlStreamReader::StartElement || fehler)
            continue;
        if (++tiefe > kTiefsteCamtEbene) {
            ergebnis.fehler = {Lesefehler::kZuTief, static_cast<int>(leser.lineNumber()), {}, {}, {}};
            return ergebnis;
        }
        const QStringView name = leser.name();
        if (tiefe == 1) {
            nachricht = NachrichtDes(leser.namespaceUri().toString());
            if (name != QLatin1String("Document") || !nachricht)
                keinAuszug(leser.namespaceUri().toString().toStdString());
        } else if (tiefe == 2) {
            rumpf = name == QLatin1String(nachricht->rumpf);
            if (!rumpf)
                keinAuszug(name.toString().toStdString());
        } else if (tiefe == 3) {
            imKonto = name == QLatin1String(nachricht->konto);
            if (imKonto)
                ergebnis.auszuege.emplace_back();
        } else if (tiefe == 4 && imKonto && (name == QLatin1String("Acct") || name == QLatin1String("Ntry"))) {
            CamtKnoten knoten;
            if (!LiesCamtKnoten(leser, knoten, tiefe)) {
                ergebnis.fehler = {Lesefehler::kZuTief, static_cast<int>(leser.lineNumber()), {}, {}, {}};
                return ergebnis;
            }
            --tiefe;
            if (leser.hasError())
                break;
            if (knoten.strName == QLatin1String("Acct"))
                eintraege.Konto(knoten);
            else
                fehler = !eintraege.Eintrag(knoten);
        }
    }
    if (leser.hasError()) {
        ergebnis.fehler = {
            Lesefehler::kKeinXml, static_cast<int>(leser.lineNumber()), {}, leser.errorString().toStdString(), {}};
    } else if (!fehler && !rumpf) {
        ergebnis.fehler = {Lesefehler::kKeinAuszug, 1, {}, nachricht ? nachricht->rumpf : "", {}};
    }
    return ergebnis;
}

} // namespace

Leseergebnis LiesCamt(const std::string& bytes)
{
    QXmlStreamReader leser(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return Lies(leser);
}

Leseergebnis LiesCamt(const QString& text)
{
    QXmlStreamReader leser(text);
    return Lies(leser);
}

} // namespace velmora
