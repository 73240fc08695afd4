#include "CamtAuszug.h"

#include "Auszugstext.h"
#include "Text.h"

#include <QXmlStreamReader>

#include <initializer_list>
#include <vector>

namespace velmora {

namespace {

const QString kNamensraum = QStringLiteral("urn:iso:std:iso:20022:tech:xsd:camt.053.001.");

// An element with its text and children, as far as a statement needs them.
struct Knoten
{
    QString strName;
    QString strText;
    int nZeile = 0;
    std::vector<Knoten> kinder;

    const Knoten* Kind(const QString& name) const
    {
        for (const Knoten& k : kinder) {
            if (k.strName == name)
                return &k;
        }
        return nullptr;
    }

    const Knoten* Pfad(std::initializer_list<const char*> namen) const
    {
        const Knoten* k = this;
        for (const char* name : namen) {
            k = k->Kind(QLatin1String(name));
            if (!k)
                return nullptr;
        }
        return k;
    }

    std::vector<const Knoten*> Alle(const QString& name) const
    {
        std::vector<const Knoten*> alle;
        for (const Knoten& k : kinder) {
            if (k.strName == name)
                alle.push_back(&k);
        }
        return alle;
    }

    QString Text(std::initializer_list<const char*> namen) const
    {
        const Knoten* k = Pfad(namen);
        return k ? k->strText.trimmed() : QString();
    }
};

void LiesElement(QXmlStreamReader& leser, Knoten& knoten)
{
    knoten.strName = leser.name().toString();
    knoten.nZeile = static_cast<int>(leser.lineNumber());
    while (!leser.atEnd()) {
        const QXmlStreamReader::TokenType art = leser.readNext();
        if (art == QXmlStreamReader::StartElement)
            LiesElement(leser, knoten.kinder.emplace_back());
        else if (art == QXmlStreamReader::Characters)
            knoten.strText += leser.text();
        else if (art == QXmlStreamReader::EndElement)
            return;
    }
}

std::string Cp(const QString& text)
{
    return Utf8ZuCp1252(text.toStdString());
}

class Leser final
{
public:
    explicit Leser(Leseergebnis& ergebnis)
        : m_ergebnis(ergebnis)
    {
    }

    bool Auszug(const Knoten& stmt)
    {
        Kontoauszug& auszug = m_ergebnis.auszuege.emplace_back();
        auszug.strIban = NormaleIban(stmt.Text({"Acct", "Id", "IBAN"}).toStdString());
        for (const Knoten* eintrag : stmt.Alle(QStringLiteral("Ntry"))) {
            if (!Eintrag(*eintrag, auszug))
                return false;
        }
        return true;
    }

private:
    bool Fehler(Lesefehler::Art art, const Knoten& k, const QString& wert, const char* detail = "")
    {
        m_ergebnis.fehler = {art, k.nZeile, wert.toStdString(), detail};
        return false;
    }

    bool Betrag(const Knoten& amt, double& wert)
    {
        const QString text = amt.strText.trimmed();
        if (text.contains(QLatin1Char(',')) || !LiesAuszugsbetrag(text.toStdString(), '.', wert))
            return Fehler(Lesefehler::kBetrag, amt, text);
        return true;
    }

    // The direction of an entry or a detail: true for money coming in.
    bool Richtung(const Knoten& k, bool& eingang)
    {
        const QString anzeige = k.Text({"CdtDbtInd"});
        if (anzeige != QLatin1String("CRDT") && anzeige != QLatin1String("DBIT"))
            return Fehler(Lesefehler::kKeinAuszug,
                          k.Kind(QStringLiteral("CdtDbtInd")) ? *k.Kind(QStringLiteral("CdtDbtInd")) : k, anzeige,
                          "CdtDbtInd");
        eingang = anzeige == QLatin1String("CRDT");
        return true;
    }

    // Counterparty and purpose of a detail: of creditor and debtor the one that is not the account.
    static void Beteiligte(const Knoten& tx, bool eingang, bool storno, const std::string& eigeneIban,
                           Auszugszeile& zeile)
    {
        const Knoten* parteien = tx.Kind(QStringLiteral("RltdPties"));
        auto name = [parteien](const char* wer) {
            if (!parteien)
                return QString();
            const Knoten* p = parteien->Kind(QLatin1String(wer));
            if (!p)
                return QString();
            const QString direkt = p->Text({"Nm"});
            return direkt.isEmpty() ? p->Text({"Pty", "Nm"}) : direkt;
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
        zeile.strName = Cp(name(glaeubiger ? "Cdtr" : "Dbtr"));
        zeile.strIban = glaeubiger ? glaeubigerIban : schuldnerIban;
        QStringList zweck;
        if (const Knoten* rmt = tx.Kind(QStringLiteral("RmtInf"))) {
            for (const Knoten* u : rmt->Alle(QStringLiteral("Ustrd")))
                zweck << u->strText.simplified();
        }
        zeile.strZweck = Cp(zweck.join(QLatin1Char(' ')));
    }

    static const Knoten* DetailBetrag(const Knoten& tx)
    {
        if (const Knoten* amt = tx.Kind(QStringLiteral("Amt")))
            return amt;
        return tx.Pfad({"AmtDtls", "TxAmt", "Amt"});
    }

    bool Eintrag(const Knoten& ntry, Kontoauszug& auszug)
    {
        const Knoten* sts = ntry.Kind(QStringLiteral("Sts"));
        const QString status =
            sts ? (sts->Kind(QStringLiteral("Cd")) ? sts->Text({"Cd"}) : sts->strText.trimmed()) : QString();
        if (status != QLatin1String("BOOK")) {
            auszug.nVorgemerkt += 1;
            return true;
        }
        Auszugszeile zeile;
        zeile.nZeile = ntry.nZeile;
        const Knoten* amt = ntry.Kind(QStringLiteral("Amt"));
        if (!amt)
            return Fehler(Lesefehler::kBetrag, ntry, {}, "Amt");
        double betrag = 0.0;
        bool eingang = false;
        if (!Betrag(*amt, betrag) || !Richtung(ntry, eingang))
            return false;
        const QString storno = ntry.Text({"RvslInd"});
        zeile.bStorno = storno == QLatin1String("true") || storno == QLatin1String("1");
        const Knoten* datum = ntry.Pfad({"BookgDt", "Dt"});
        if (!datum)
            datum = ntry.Pfad({"BookgDt", "DtTm"});
        if (!datum)
            return Fehler(Lesefehler::kKeinDatum, ntry, {}, "BookgDt");
        const QString datumsText = datum->strText.trimmed();
        const Datumsfehler fehler = LiesAuszugsdatum(datumsText.toStdString(), zeile.nDatum);
        if (fehler != Datumsfehler::kKeiner)
            return Fehler(fehler == Datumsfehler::kGibtEsNicht ? Lesefehler::kDatumGibtEsNicht : Lesefehler::kKeinDatum,
                          *datum, datumsText);
        const std::string referenz = Cp(ntry.Text({"AcctSvcrRef"}));

        std::vector<const Knoten*> details;
        for (const Knoten* dtls : ntry.Alle(QStringLiteral("NtryDtls"))) {
            for (const Knoten* tx : dtls->Alle(QStringLiteral("TxDtls")))
                details.push_back(tx);
        }
        bool einzeln = details.size() > 1;
        for (const Knoten* tx : details)
            einzeln = einzeln && DetailBetrag(*tx);

        if (!einzeln) {
            zeile.dBetrag = eingang ? betrag : -betrag;
            zeile.strReferenz = referenz;
            if (!details.empty())
                Beteiligte(*details.front(), eingang, zeile.bStorno, auszug.strIban, zeile);
            if (zeile.strZweck.empty())
                zeile.strZweck = Cp(ntry.Text({"AddtlNtryInf"}));
            auszug.zeilen.push_back(std::move(zeile));
            return true;
        }
        // A batch whose details carry their amounts: one line per detail.
        for (size_t i = 0; i < details.size(); ++i) {
            const Knoten& tx = *details[i];
            Auszugszeile teil = zeile;
            double teilBetrag = 0.0;
            bool teilEingang = eingang;
            if (!Betrag(*DetailBetrag(tx), teilBetrag) ||
                (tx.Kind(QStringLiteral("CdtDbtInd")) && !Richtung(tx, teilEingang)))
                return false;
            teil.dBetrag = teilEingang ? teilBetrag : -teilBetrag;
            teil.nZeile = tx.nZeile;
            teil.strReferenz = referenz.empty() ? std::string() : referenz + "/" + std::to_string(i + 1);
            Beteiligte(tx, teilEingang, zeile.bStorno, auszug.strIban, teil);
            auszug.zeilen.push_back(std::move(teil));
        }
        return true;
    }

    Leseergebnis& m_ergebnis;
};

} // namespace

Leseergebnis LiesCamt(const std::string& bytes)
{
    Leseergebnis ergebnis;
    QXmlStreamReader leser(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    Knoten dokument;
    QString namensraum;
    while (!leser.atEnd()) {
        if (leser.readNext() == QXmlStreamReader::StartElement) {
            namensraum = leser.namespaceUri().toString();
            LiesElement(leser, dokument);
            // Anything after the root is an error the reader reports below.
            while (!leser.atEnd())
                leser.readNext();
        }
    }
    if (leser.hasError()) {
        ergebnis.fehler = {
            Lesefehler::kKeinXml, static_cast<int>(leser.lineNumber()), {}, leser.errorString().toStdString()};
        return ergebnis;
    }
    const QString version = namensraum.startsWith(kNamensraum) ? namensraum.mid(kNamensraum.size()) : QString();
    bool zahl = false;
    const int nummer = version.toInt(&zahl);
    const Knoten* kopf = dokument.Kind(QStringLiteral("BkToCstmrStmt"));
    if (dokument.strName != QLatin1String("Document") || !zahl || version.size() != 2 || nummer < 2 || nummer > 13 ||
        !kopf) {
        ergebnis.fehler = {Lesefehler::kKeinAuszug, dokument.nZeile, {}, namensraum.toStdString()};
        return ergebnis;
    }
    Leser auszuege(ergebnis);
    for (const Knoten* stmt : kopf->Alle(QStringLiteral("Stmt"))) {
        if (!auszuege.Auszug(*stmt))
            return ergebnis;
    }
    return ergebnis;
}

} // namespace velmora
