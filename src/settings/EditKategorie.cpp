#include "EditKategorie.h"

#include "ui_EditKategorie.h"

#include "Basis.h"
#include "Hub.h"
#include "Kategorienverwaltung.h"
#include "Listenmodelle.h"
#include "QtText.h"

namespace velmora {

namespace {

// The message strip runs along the window's lower edge; the message stands in it at x = 85.
constexpr int kStreifenHoehe = 35;
constexpr int kMeldungX = 85;
constexpr int kMeldungImStreifen = 8;
constexpr Schrift kMeldungsSchrift{20, 10, 800};

} // namespace

EditKategorie::EditKategorie(CBasis& basis, Hub& hub, QWidget* eltern, int vorauswahl)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::EditKategorie>())
    , m_basis(basis)
    , m_hub(hub)
    , m_steuer(BaueAuf(*m_ui, *this))
    , m_meldung(*this, kMeldungX, kStreifenHoehe - kMeldungImStreifen, kMeldungsSchrift)
    , m_nKategorie(vorauswahl >= 0 ? vorauswahl : 0)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    SetzeSprache();
    m_kategorien = new KategorienListe(m_basis, this);
    m_ukategorien = new UKategorienListe(m_basis, this);
    RichteListeEin(m_ui->c1024, m_kategorien);
    RichteListeEin(m_ui->c1019, m_ukategorien);

    const auto knopf = [this](QPushButton* k, void (EditKategorie::*befehl)()) {
        connect(k, &QPushButton::clicked, this, befehl);
    };
    knopf(m_ui->c1025, &EditKategorie::ErstelleKategorie);
    knopf(m_ui->c1028, &EditKategorie::ErstelleUKategorie);
    knopf(m_ui->c1026, &EditKategorie::BenenneKategorieUm);
    knopf(m_ui->c1029, &EditKategorie::BenenneUKategorieUm);
    knopf(m_ui->c1027, &EditKategorie::LoescheKategorie);
    knopf(m_ui->c1030, &EditKategorie::LoescheUKategorie);
    knopf(m_ui->c1032, &EditKategorie::StelleKategorieWiederHer);
    knopf(m_ui->c1085, &EditKategorie::StelleUKategorieWiederHer);
    knopf(m_ui->c1033, &EditKategorie::LoescheKategorieEndgueltig);
    knopf(m_ui->c1086, &EditKategorie::LoescheUKategorieEndgueltig);
    // A create button is live only while its field holds a name.
    for (const auto& [feld, erstelle] : {std::pair{m_ui->c1004, m_ui->c1025}, std::pair{m_ui->c1005, m_ui->c1028}}) {
        connect(feld, &QLineEdit::textEdited, this, [this, ziel = erstelle](const QString& text) {
            ziel->setEnabled(!text.isEmpty());
            m_meldung.Setze({});
        });
    }
    for (QLineEdit* feld : {m_ui->c1002, m_ui->c1003})
        connect(feld, &QLineEdit::textEdited, this, [this] { m_meldung.Setze({}); });
    BeiZeilenwahl(m_ui->c1024, this, [this](int zeile) { WaehleKategorie(zeile); });
    BeiZeilenwahl(m_ui->c1019, this, [this](int zeile) { UKategorieAngeklickt(zeile); });
    AktualisiereAnzeige();
}

EditKategorie::~EditKategorie() = default;

void EditKategorie::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    if (!deutsch) {
        setWindowTitle(QStringLiteral("Edit Categories"));
        m_steuer.Uebersetze({
            {1091, "Category Rename/Delete"},
            {1026, "Rename entry"},
            {1027, "Delete entry"},
            {1032, "Restore entry"},
            {1033, "Delete definitely"},
            {1105, "Create new Category"},
            {1025, "Create new Category"},
            {1083, "Sub-Category Rename/Delete"},
            {1029, "Rename entry"},
            {1030, "Delete entry"},
            {1085, "Restore entry"},
            {1086, "Delete definitely"},
            {1084, "Create new Sub-Category"},
            {1028, "Create new Sub-Category"},
        });
    }
    m_steuer.Benenne(deutsch, {
                                  {1024, {"Kategorien", "Categories"}},
                                  {1019, {"Unter-Kategorien", "Sub-categories"}},
                                  {1002, {"Neuer Name der Kategorie", "New name of the category"}},
                                  {1003, {"Neuer Name der Unter-Kategorie", "New name of the sub-category"}},
                                  {1004, {"Name der neuen Kategorie", "Name of the new category"}},
                                  {1005, {"Name der neuen Unter-Kategorie", "Name of the new sub-category"}},
                              });
}

void EditKategorie::Aktualisiere()
{
    AktualisiereAnzeige();
}

void EditKategorie::WaehleKategorie(int kategorie)
{
    if (!Kategorie(m_basis, kategorie) || kategorie == m_nKategorie)
        return;
    m_nKategorie = kategorie;
    m_nUKategorie = 0;
    m_meldung.Setze({});
    AktualisiereAnzeige();
}

void EditKategorie::AktualisiereAnzeige()
{
    Steuerelemente& s = m_steuer;
    if (!Kategorie(m_basis, m_nKategorie))
        m_nKategorie = m_basis.m_arrKategorien.empty() ? -1 : 0;
    const CKategorie* kategorie = Kategorie(m_basis, m_nKategorie);
    const int anzahlU = kategorie ? static_cast<int>(kategorie->m_arrUKategorien.size()) : 0;
    if (m_nUKategorie < 0 || m_nUKategorie >= anzahlU)
        m_nUKategorie = anzahlU > 0 ? 0 : -1;

    m_kategorien->SetzeMarkiert(m_nKategorie);
    m_ukategorien->SetzeKategorie(m_nKategorie);
    m_ukategorien->SetzeMarkiert(m_nUKategorie);
    m_kategorien->Fuelle();
    m_ukategorien->Fuelle();
    ZeigeZeile(m_ui->c1024, m_nKategorie);
    ZeigeZeile(m_ui->c1019, m_nUKategorie);

    if (!kategorie) {
        s.Aktiviere({1002, 1026, 1027, 1087, 1091, 1003, 1029, 1030, 1088, 1083, 1084, 1028}, false);
        s.Zeige({1032, 1033, 1085, 1086}, false);
        update();
        return;
    }
    SetzeText(m_ui->c1002, AlsQString(kategorie->m_strName));
    const CUKategorie* ukategorie = UKategorie(m_basis, m_nKategorie, m_nUKategorie);
    // The rename field shows the marked sub-category, so that a rename never starts from an empty name.
    SetzeText(m_ui->c1003, ukategorie ? AlsQString(ukategorie->m_strName) : QString());
    if (IstGeloescht(*kategorie)) {
        s.Zeige({1087, 1026, 1027, 1002}, false);
        s.Zeige({1032, 1033}, true);
        s.Zeige({1029, 1030, 1003}, true);
        s.Aktiviere({1029, 1030, 1003, 1005, 1083, 1084, 1028, 1088}, false);
        s.Zeige({1085, 1086}, false);
        update();
        return;
    }
    s.Zeige({1026, 1027, 1002, 1087}, true);
    s.Aktiviere({1091, 1026, 1027, 1002, 1087, 1005, 1028, 1083, 1084}, true);
    s.Zeige({1032, 1033}, false);
    if (!ukategorie) {
        s.Zeige({1029, 1030, 1003, 1088}, true);
        s.Aktiviere({1003, 1029, 1030, 1088, 1083}, false);
        s.Zeige({1085, 1086}, false);
    } else {
        const bool geloescht = IstGeloescht(*ukategorie);
        s.Zeige({1029, 1030, 1003, 1088}, !geloescht);
        s.Aktiviere({1029, 1030, 1003, 1088}, true);
        s.Zeige({1085, 1086}, geloescht);
    }
    update();
}

void EditKategorie::Geaendert(int nachricht)
{
    AktualisiereAnzeige();
    m_hub.Benachrichtige(nachricht, 0);
}

void EditKategorie::UKategorieAngeklickt(int zeile)
{
    if (!UKategorie(m_basis, m_nKategorie, zeile) || zeile == m_nUKategorie)
        return;
    m_nUKategorie = zeile;
    m_meldung.Setze({});
    AktualisiereAnzeige();
}

void EditKategorie::ErstelleKategorie()
{
    m_meldung.Setze({});
    const std::string name = TextVon(m_ui->c1004);
    if (m_meldung.Abgewiesen(velmora::ErstelleKategorie(m_basis, name), m_basis.m_nSprache, name))
        return;
    m_nKategorie = static_cast<int>(m_basis.m_arrKategorien.size()) - 1;
    m_nUKategorie = -1;
    SetzeText(m_ui->c1004, {});
    Geaendert(kLadeKategorien);
}

void EditKategorie::ErstelleUKategorie()
{
    m_meldung.Setze({});
    const std::string name = TextVon(m_ui->c1005);
    if (m_meldung.Abgewiesen(velmora::ErstelleUKategorie(m_basis, m_nKategorie, name), m_basis.m_nSprache, name))
        return;
    m_nUKategorie = static_cast<int>(Kategorie(m_basis, m_nKategorie)->m_arrUKategorien.size()) - 1;
    SetzeText(m_ui->c1005, {});
    Geaendert(kLadeKategorien);
}

void EditKategorie::BenenneKategorieUm()
{
    m_meldung.Setze({});
    const std::string name = TextVon(m_ui->c1002);
    const Ausgang ausgang =
        velmora::BenenneKategorieUm(m_basis, m_nKategorie, name, AlsBestaetigung(m_frage, this, m_basis));
    if (!m_meldung.Abgewiesen(ausgang, m_basis.m_nSprache, name))
        Geaendert(kLadeKategorien);
}

void EditKategorie::BenenneUKategorieUm()
{
    m_meldung.Setze({});
    const std::string name = TextVon(m_ui->c1003);
    const Ausgang ausgang = velmora::BenenneUKategorieUm(m_basis, m_nKategorie, m_nUKategorie, name,
                                                         AlsBestaetigung(m_frage, this, m_basis));
    if (!m_meldung.Abgewiesen(ausgang, m_basis.m_nSprache, name))
        Geaendert(kLadeKategorien);
}

void EditKategorie::LoescheKategorie()
{
    if (velmora::LoescheKategorie(m_basis, m_nKategorie, AlsBestaetigung(m_frage, this, m_basis)) !=
        Ausgang::kNichtMoeglich)
        Geaendert(kLadeKategorien);
}

void EditKategorie::LoescheUKategorie()
{
    if (velmora::LoescheUKategorie(m_basis, m_nKategorie, m_nUKategorie, AlsBestaetigung(m_frage, this, m_basis)) !=
        Ausgang::kNichtMoeglich)
        Geaendert(kDatenGeaendert);
}

void EditKategorie::StelleKategorieWiederHer()
{
    if (velmora::StelleKategorieWiederHer(m_basis, m_nKategorie) == Ausgang::kErledigt)
        Geaendert(kDatenGeaendert);
}

void EditKategorie::StelleUKategorieWiederHer()
{
    if (velmora::StelleUKategorieWiederHer(m_basis, m_nKategorie, m_nUKategorie) == Ausgang::kErledigt)
        Geaendert(kDatenGeaendert);
}

void EditKategorie::LoescheKategorieEndgueltig()
{
    if (velmora::LoescheKategorieEndgueltig(m_basis, m_nKategorie) != Ausgang::kErledigt)
        return;
    m_nKategorie = 0;
    m_nUKategorie = 0;
    Geaendert(kDatenGeaendert);
}

void EditKategorie::LoescheUKategorieEndgueltig()
{
    if (velmora::LoescheUKategorieEndgueltig(m_basis, m_nKategorie, m_nUKategorie) != Ausgang::kErledigt)
        return;
    m_nUKategorie = 0;
    Geaendert(kDatenGeaendert);
}

void EditKategorie::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    m_meldung.Male();
}

} // namespace velmora
