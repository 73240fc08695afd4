#include "Haushaltsdaten.h"

// Escapes are closed with "" where a hex digit follows, so that "B\xE4" "cker" stays two characters apart.

namespace velmora::generator {

const char* const kGeloeschterLaden = "Lottoannahme Gl\xFC"
                                      "ckspilz";
const char* const kGeloeschteKategorie = "Sonstiges";
const char* const kGeloeschteUnterkategorie = "Lotto";

namespace {

constexpr const char* kKoehler = "Maschinenbau K\xF6hler GmbH";
constexpr const char* kKlinikum = "Kreisklinikum S\xFC"
                                  "d";
constexpr const char* kFamilienkasse = "Familienkasse";
constexpr const char* kVermieter = "Hausverwaltung K\xF6nig";
constexpr const char* kStadtwerke = "Stadtwerke Nordheim";
constexpr const char* kVersicherung = "Hansa Versicherung";
constexpr const char* kOma = "Oma Erna";
constexpr Name kOhneKommentar("", "");

} // namespace

Name Familienname()
{
    return Name("M\xFCller", "Miller");
}

const std::vector<MitgliedVorlage>& Mitglieder()
{
    static const std::vector<MitgliedVorlage> mitglieder = {
        {Name("J\xFCrgen", "John"),
         false,
         {{Name("Bar", "Cash"), 85.50},
          {Name("Giro-Konto", "Giro account"), 1523.17},
          {Name("Sparbuch", "Trust"), 4000.00},
          {Name("Depot", "Deposit"), 0.00}}},
        {Name("B\xE4rbel", "Mary"),
         false,
         {{Name("Bar", "Cash"), 42.30},
          {Name("Giro-Konto", "Giro account"), 987.65},
          {Name("Tagesgeld", "Savings"), 2500.00}}},
        {Name("S\xF6ren", "Tom"), true, {{Name("Bar", "Cash"), 12.00}, {Name("Sparbuch", "Trust"), 150.00}}},
        {Name("Lena", "Emma"), true, {{Name("Bar", "Cash"), 5.50}}},
    };
    return mitglieder;
}

const std::vector<KategorieVorlage>& Kategorien()
{
    static const std::vector<KategorieVorlage> kategorien = {
        {Name("Lebensmittel", "Groceries"),
         {Name("Supermarkt", "Supermarket"),
          Name("B\xE4"
               "ckerei",
               "Bakery"),
          Name("Metzgerei", "Butcher"), Name("Wochenmarkt", "Market"), Name("Getr\xE4nke", "Drinks")}},
        {Name("Wohnen", "Housing"),
         {Name("Miete", "Rent"), Name("Nebenkosten", "Service charges"), Name("Reparaturen", "Repairs"),
          Name("Einrichtung", "Furniture")}},
        {Name("Energie", "Energy"), {Name("Strom", "Electricity"), Name("Gas", "Gas"), Name("Wasser", "Water")}},
        {Name("Auto", "Car"),
         {Name("Tanken", "Fuel"), Name("Werkstatt", "Garage"), Name("Versicherung", "Insurance"), Name("Steuer", "Tax"),
          Name("Kredit", "Loan"), Name("Parken", "Parking")}},
        {Name("Verkehr", "Transport"), {Name("Fahrkarten", "Tickets"), Name("Taxi", "Taxi")}},
        {Name("Gesundheit", "Health"),
         {Name("Apotheke", "Pharmacy"), Name("Arzt", "Doctor"), Name("Zahnarzt", "Dentist"),
          Name("Brille", "Glasses")}},
        {Name("Versicherungen", "Insurance"),
         {Name("Haftpflicht", "Liability"), Name("Hausrat", "Home contents"), Name("Leben", "Life")}},
        {Name("Kommunikation", "Communication"),
         {Name("Internet", "Internet"), Name("Handy", "Mobile phone"), Name("Rundfunk", "Broadcasting fee")}},
        {Name("Kleidung", "Clothing"),
         {Name("Erwachsene", "Adults"), Name("Kinder", "Children"), Name("Schuhe", "Shoes")}},
        {Name("Freizeit", "Leisure"),
         {Name("Kino", "Cinema"),
          Name("B\xFC"
               "cher",
               "Books"),
          Name("Musik", "Music"), Name("Ausfl\xFCge", "Day trips")}},
        {Name("Urlaub", "Holidays"), {Name("Reise", "Travel"), Name("Unterkunft", "Accommodation")}},
        {Name("Bildung", "Education"),
         {Name("Schule", "School"), Name("Nachhilfe", "Tutoring"), Name("Musikschule", "Music school"),
          Name("Kurse", "Courses")}},
        {Name("Kinder", "Children"),
         {Name("Taschengeld", "Pocket money"), Name("Spielzeug", "Toys"), Name("Betreuung", "Childcare"),
          Name("S\xFC\xDFigkeiten", "Sweets")}},
        {Name("Haushalt", "Household"),
         {Name("Drogerie", "Drugstore"), Name("Putzhilfe", "Cleaner"), Name("Ger\xE4te", "Appliances")}},
        {Name("Ausw\xE4rts essen", "Eating out"),
         {Name("Restaurant", "Restaurant"), Name("Imbiss", "Snack bar"), Name("Caf\xE9", "Caf\xE9")}},
        {Name("Geschenke", "Gifts"), {Name("Geburtstag", "Birthday"), Name("Weihnachten", "Christmas")}},
        {Name("Gehalt", "Salary"),
         {Name("Lohn", "Wages"), Name("Weihnachtsgeld", "Christmas bonus"), Name("Urlaubsgeld", "Holiday pay")}},
        {Name("Staatliche Leistungen", "Benefits"),
         {Name("Kindergeld", "Child benefit"), Name("Steuererstattung", "Tax refund")}},
        {Name("Sparen", "Savings"),
         {Name("Sparplan", "Savings plan"), Name("Bausparen", "Building society"),
          Name("R\xFC"
               "cklage",
               "Reserve")}},
        {Name("Bargeld", "Cash"), {Name("Abhebung", "Withdrawal"), Name("Taschengeld", "Pocket money")}},
        {Name("Haustier", "Pets"), {Name("Futter", "Food"), Name("Tierarzt", "Vet")}},
        {Name("Garten", "Garden"), {Name("Pflanzen", "Plants"), Name("Werkzeug", "Tools")}},
        {Name("K\xF6rperpflege", "Personal care"), {Name("Friseur", "Hairdresser"), Name("Kosmetik", "Cosmetics")}},
        {Name("Medien", "Media"),
         {Name("Zeitung", "Newspaper"), Name("Zeitschriften", "Magazines"), Name("Streaming", "Streaming")}},
        {Name("Vereine", "Clubs"),
         {Name("Sportverein", "Sports club"), Name("F\xF6rderverein", "Supporters' club"),
          Name("Spenden", "Donations")}},
        {Name("Steuern", "Taxes"), {Name("Einkommensteuer", "Income tax"), Name("Geb\xFChren", "Fees")}},
        {Name("Bank", "Bank"), {Name("Kontof\xFChrung", "Account fees"), Name("Zinsen", "Interest")}},
        {Name("Elektronik", "Electronics"), {Name("Computer", "Computer"), Name("Zubeh\xF6r", "Accessories")}},
        {Name("Fahrrad", "Bicycle"), {Name("Reparatur", "Repair"), Name("Zubeh\xF6r", "Accessories")}},
        {Name(kGeloeschteKategorie, "Miscellaneous"),
         {Name("Diverses", "Sundries"), Name(kGeloeschteUnterkategorie, "Lottery")}},
    };
    return kategorien;
}

const std::vector<LadenVorlage>& Laeden()
{
    using Z = Zahlweise;
    using N = Nutzen;
    static const std::vector<LadenVorlage> laeden = {
        // Counterparts of standing orders.
        {Name(kKoehler, "Kohler Engineering Ltd"), "Gehalt", "Lohn", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name(kKlinikum, "County Hospital South"), "Gehalt", "Lohn", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name(kFamilienkasse, "Child Benefit Office"), "Staatliche Leistungen", "Kindergeld", 0, 0, 0,
         Z::NurDauerauftrag, N::Familie},
        {Name(kVermieter, "King Property Management"), "Wohnen", "Miete", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name(kStadtwerke, "Northam Utilities"), "Energie", "Strom", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Telekommunikation Nord", "Northern Telecom"), "Kommunikation", "Internet", 0, 0, 0, Z::NurDauerauftrag,
         N::Familie},
        {Name("Mobilfunk Blau", "Blue Mobile"), "Kommunikation", "Handy", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Autobank", "Car Finance Bank"), "Auto", "Kredit", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Bausparkasse Sch\xF6nes Heim", "Homestead Building Society"), "Sparen", "Bausparen", 0, 0, 0,
         Z::NurDauerauftrag, N::Familie},
        {Name(kVersicherung, "Harbour Insurance"), "Versicherungen", "Leben", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Turnverein 1860", "Gymnastics Club 1860"), "Vereine", "Sportverein", 0, 0, 0, Z::NurDauerauftrag,
         N::Familie},
        {Name("Streamingdienst Flimmer", "Flicker Streaming"), "Medien", "Streaming", 0, 0, 0, Z::NurDauerauftrag,
         N::Familie},
        {Name("Tageszeitung Bote", "Daily Courier"), "Medien", "Zeitung", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Kita Sonnenschein", "Sunshine Nursery"), "Kinder", "Betreuung", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Musikschule Allegro", "Allegro Music School"), "Bildung", "Musikschule", 0, 0, 0, Z::NurDauerauftrag,
         N::Familie},
        {Name("Putzhilfe Frau Gr\xE4"
              "f",
              "Mrs Grant, cleaner"),
         "Haushalt", "Putzhilfe", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Nachhilfe Schlaukopf", "Brainbox Tutoring"), "Bildung", "Nachhilfe", 0, 0, 0, Z::NurDauerauftrag,
         N::Familie},
        {Name("Kinderhilfswerk", "Children's Aid"), "Vereine", "Spenden", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("F\xF6rderverein Grundschule", "Primary School Supporters"), "Vereine", "F\xF6rderverein", 0, 0, 0,
         Z::NurDauerauftrag, N::Familie},
        {Name("Rundfunkbeitrag", "TV Licence"), "Kommunikation", "Rundfunk", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Hauptzollamt", "Vehicle Tax Office"), "Auto", "Steuer", 0, 0, 0, Z::NurDauerauftrag, N::Familie},
        {Name("Fitnessstudio Kraftwerk", "Powerhouse Gym"), "Vereine", "Sportverein", 0, 0, 0, Z::NurDauerauftrag,
         N::Familie},
        // Counterparts of bookings by hand.
        {Name(kOma, "Grandma Edna"), "Geschenke", "Geburtstag", 5, 50, 0.25, Z::Geschenk, N::Zahler},
        {Name("Finanzamt", "Tax Office"), "Staatliche Leistungen", "Steuererstattung", 150, 1400, 0.08, Z::Einnahme,
         N::Familie},
        {Name("Supermarkt Frischeland", "Freshland Supermarket"), "Lebensmittel", "Supermarkt", 4, 45, 30, Z::Karte,
         N::Familie},
        {Name("Discounter Sparfuchs", "Thrifty Discount Store"), "Lebensmittel", "Supermarkt", 3, 30, 26, Z::Karte,
         N::Familie},
        {Name("B\xE4"
              "ckerei Sch\xE4"
              "fer",
              "Baker's Corner"),
         "Lebensmittel",
         "B\xE4"
         "ckerei",
         1.2, 9, 55, Z::Bar, N::Familie},
        {Name("Metzgerei Br\xFCning", "Butcher Brown"), "Lebensmittel", "Metzgerei", 3, 22, 10, Z::Bar, N::Familie},
        {Name("Wochenmarkt", "Farmers' Market"), "Lebensmittel", "Wochenmarkt", 2, 22, 8, Z::Bar, N::Familie},
        {Name("Getr\xE4nkemarkt Quelle", "Spring Drinks Store"), "Lebensmittel", "Getr\xE4nke", 5, 32, 5, Z::Karte,
         N::Familie},
        {Name("Tankstelle am Ring", "Ring Road Petrol"), "Auto", "Tanken", 20, 75, 6, Z::Karte, N::Familie},
        {Name("Autohaus M\xF6ller", "Morgan Motors"), "Auto", "Werkstatt", 60, 900, 0.25, Z::Karte, N::Familie},
        {Name("Parkhaus Zentrum", "Central Car Park"), "Auto", "Parken", 1, 9, 10, Z::Bar, N::Zahler},
        {Name("Verkehrsverbund", "City Transport"), "Verkehr", "Fahrkarten", 2.2, 7.5, 18, Z::Bar, N::Zahler},
        {Name("Apotheke am Markt", "Market Pharmacy"), "Gesundheit", "Apotheke", 3, 40, 4, Z::Bar, N::Zufall},
        {Name("Dr. med. Gr\xFCnewald", "Dr Greenwood"), "Gesundheit", "Arzt", 10, 80, 0.4, Z::Karte, N::Zufall},
        {Name("Zahnarztpraxis Wei\xDF", "White Dental Practice"), "Gesundheit", "Zahnarzt", 20, 400, 0.2, Z::Karte,
         N::Zufall},
        {Name("Optiker Br\xE4ndle", "Clearview Opticians"), "Gesundheit", "Brille", 80, 450, 0.05, Z::Karte, N::Zufall},
        {Name("Modehaus Kr\xFCger", "Kruger Fashion"), "Kleidung", "Erwachsene", 15, 150, 1.5, Z::Karte, N::Zahler},
        {Name("Kinderladen Purzelbaum", "Tumble Kids"), "Kleidung", "Kinder", 8, 65, 1.5, Z::Karte, N::Zufall},
        {Name("Schuhhaus L\xF6we", "Lion Shoes"), "Kleidung", "Schuhe", 25, 120, 0.7, Z::Karte, N::Zufall},
        {Name("Kino Lichtspiele", "Picture House"), "Freizeit", "Kino", 7, 45, 1.5, Z::Bar, N::Familie},
        {Name("Buchhandlung Bl\xE4tterwald", "Leafwood Books"), "Freizeit",
         "B\xFC"
         "cher",
         6, 40, 2, Z::Karte, N::Zufall},
        {Name("Freizeitpark Abenteuerland", "Adventure Park"), "Freizeit", "Ausfl\xFCge", 25, 140, 0.3, Z::Karte,
         N::Familie},
        {Name("Reiseb\xFCro Fernweh", "Wanderlust Travel"), "Urlaub", "Reise", 400, 2600, 0.1, Z::Karte, N::Familie},
        {Name("Spielwaren Kunterbunt", "Rainbow Toys"), "Kinder", "Spielzeug", 5, 60, 1.5, Z::Kind, N::Zahler},
        {Name("Kiosk am Bahnhof", "Station Kiosk"), "Kinder", "S\xFC\xDFigkeiten", 0.5, 3.5, 20, Z::Kind, N::Zahler},
        {Name("Drogerie Ro\xDF"
              "berg",
              "Rosewood Chemist"),
         "Haushalt", "Drogerie", 1.5, 18, 22, Z::Karte, N::Familie},
        {Name("Elektromarkt Blitz", "Lightning Electronics"), "Elektronik", "Zubeh\xF6r", 10, 700, 0.3, Z::Karte,
         N::Zufall},
        {Name("Gasthaus zur Linde", "The Linden Tree Inn"), "Ausw\xE4rts essen", "Restaurant", 25, 110, 1.5, Z::Karte,
         N::Familie},
        {Name("Imbiss am Eck", "Corner Snack Bar"), "Ausw\xE4rts essen", "Imbiss", 2.5, 11, 25, Z::Bar, N::Zahler},
        {Name("Caf\xE9 K\xF6nig", "Caf\xE9 Royal"), "Ausw\xE4rts essen", "Caf\xE9", 2.5, 11, 18, Z::Bar, N::Zahler},
        {Name("Zoohandlung Fellnase", "Furry Friends Pet Shop"), "Haustier", "Futter", 4, 40, 3, Z::Karte, N::Familie},
        {Name("Gartencenter Gr\xFCnland", "Greenland Garden Centre"), "Garten", "Pflanzen", 5, 70, 1.5, Z::Karte,
         N::Familie},
        {Name("Baumarkt Hammer", "Hammer DIY"), "Garten", "Werkzeug", 5, 110, 2, Z::Karte, N::Familie},
        {Name("Friseur Haarmonie", "Hair Harmony"), "K\xF6rperpflege", "Friseur", 15, 60, 1.5, Z::Bar, N::Zahler},
        {Name("Online-Versand Paketblitz", "Parcelflash Online"), "Sonstiges", "Diverses", 5, 90, 4, Z::Karte,
         N::Zufall},
        {Name("Fahrradladen Speiche", "Spoke Bicycles"), "Fahrrad", "Reparatur", 5, 250, 0.3, Z::Karte, N::Zufall},
        {Name("Sparkasse Nordheim", "Northam Savings Bank"), "Bank", "Kontof\xFChrung", 2.5, 9.9, 1, Z::Karte,
         N::Familie},
        {Name(kGeloeschterLaden, "Lucky Lottery"), kGeloeschteKategorie, kGeloeschteUnterkategorie, 0, 0, 0,
         Z::NurDauerauftrag, N::Familie},
    };
    return laeden;
}

const std::vector<AuftragVorlage>& Auftraege()
{
    constexpr int J = 0, B = 1, S = 2, L = 3;
    constexpr int kBar = 0, kGiro = 1, kDepot = 3, kKinderSparbuch = 1;
    static const std::vector<AuftragVorlage> auftraege = {
        // Monthly on a day.
        {Fremd(kKoehler), Eigen(J, kGiro), J, "Gehalt", "Lohn", 2950.00, 28, Termine(), 0, 0.5, true, false,
         kOhneKommentar},
        {Fremd(kKoehler), Eigen(J, kGiro), J, "Gehalt", "Lohn", 3480.00, 28, Termine(), 0.5, 1, true, false,
         kOhneKommentar},
        {Fremd(kKlinikum), Eigen(B, kGiro), B, "Gehalt", "Lohn", 1980.00, 27, Termine(), 0, 0.5, true, false,
         kOhneKommentar},
        {Fremd(kKlinikum), Eigen(B, kGiro), B, "Gehalt", "Lohn", 2640.00, 27, Termine(), 0.5, 1, true, false,
         Name("neue Stelle", "new position")},
        {Fremd(kFamilienkasse), Eigen(B, kGiro), S, "Staatliche Leistungen", "Kindergeld", 219.00, 5, Termine(), 0, 1,
         true, false, kOhneKommentar},
        {Fremd(kFamilienkasse), Eigen(B, kGiro), L, "Staatliche Leistungen", "Kindergeld", 219.00, 5, Termine(), 0, 1,
         true, false, kOhneKommentar},
        {Eigen(J, kGiro), Fremd(kVermieter), kFamilie, "Wohnen", "Miete", 980.00, 1, Termine(), 0, 0.5, true, false,
         Name("Kaltmiete", "Rent")},
        {Eigen(J, kGiro), Fremd(kVermieter), kFamilie, "Wohnen", "Miete", 1140.00, 1, Termine(), 0.5, 1, true, false,
         Name("Kaltmiete nach Erh\xF6hung", "Rent after increase")},
        {Eigen(J, kGiro), Fremd(kVermieter), kFamilie, "Wohnen", "Nebenkosten", 210.00, 1, Termine(), 0, 1, true, false,
         Name("Abschlag", "Advance payment")},
        {Eigen(B, kGiro), Fremd(kStadtwerke), kFamilie, "Energie", "Strom", 78.00, 15, Termine(), 0, 1, true, false,
         Name("Abschlag", "Advance payment")},
        {Eigen(B, kGiro), Fremd(kStadtwerke), kFamilie, "Energie", "Gas", 95.00, 15, Termine(), 0, 1, true, false,
         Name("Abschlag", "Advance payment")},
        {Eigen(J, kGiro), Fremd("Telekommunikation Nord"), kFamilie, "Kommunikation", "Internet", 44.99, 3, Termine(),
         0, 1, true, false, kOhneKommentar},
        {Eigen(J, kGiro), Fremd("Mobilfunk Blau"), J, "Kommunikation", "Handy", 19.99, 10, Termine(), 0, 1, true, false,
         kOhneKommentar},
        {Eigen(B, kGiro), Fremd("Mobilfunk Blau"), B, "Kommunikation", "Handy", 14.99, 10, Termine(), 0, 1, true, false,
         kOhneKommentar},
        {Eigen(J, kGiro), Fremd("Autobank"), kFamilie, "Auto", "Kredit", 289.00, 1, Termine(), 0.1, 0.4, true, false,
         Name("Rate Kombi", "Estate car instalment")},
        {Eigen(J, kGiro), Eigen(J, kDepot), J, "Sparen", "Sparplan", 150.00, 2, Termine(), 0, 1, true, false,
         Name("Fondssparplan", "Fund savings plan")},
        {Eigen(B, kGiro), Fremd("Bausparkasse Sch\xF6nes Heim"), kFamilie, "Sparen", "Bausparen", 50.00, 1, Termine(),
         0, 1, true, false, kOhneKommentar},
        {Eigen(J, kGiro), Eigen(S, kBar), S, "Kinder", "Taschengeld", 25.00, 1, Termine(), 0, 1, true, false,
         kOhneKommentar},
        {Eigen(J, kGiro), Fremd("Turnverein 1860"), kFamilie, "Vereine", "Sportverein", 18.50, 15, Termine(), 0, 1,
         true, false, Name("Familienbeitrag", "Family membership")},
        {Eigen(B, kGiro), Fremd("Streamingdienst Flimmer"), kFamilie, "Medien", "Streaming", 12.99, 20, Termine(), 0.6,
         1, true, false, kOhneKommentar},
        {Eigen(J, kGiro), Fremd("Tageszeitung Bote"), kFamilie, "Medien", "Zeitung", 38.90, 25, Termine(), 0, 1, true,
         false, kOhneKommentar},
        {Eigen(B, kGiro), Fremd("Kita Sonnenschein"), L, "Kinder", "Betreuung", 180.00, 5, Termine(), 0, 0.2, true,
         false, kOhneKommentar},
        {Eigen(B, kGiro), Fremd("Musikschule Allegro"), S, "Bildung", "Musikschule", 62.00, 1, Termine(), 0.15, 0.7,
         true, false, Name("Klavier", "Piano")},
        {Eigen(J, kGiro), Fremd(kVersicherung), J, "Versicherungen", "Leben", 75.00, 1, Termine(), 0, 1, true, false,
         kOhneKommentar},
        // Day 31 falls due only in months that have it.
        {Eigen(B, kGiro), Fremd("Kinderhilfswerk"), kFamilie, "Vereine", "Spenden", 10.00, 31, Termine(), 0, 1, true,
         false, kOhneKommentar},
        {Eigen(B, kGiro), Fremd("Fitnessstudio Kraftwerk"), B, "Vereine", "Sportverein", 29.90, 30, Termine(), 0.3, 1,
         false, false, Name("ruht", "paused")},
        // Weekly.
        {Eigen(B, kBar), Eigen(L, kBar), L, "Kinder", "Taschengeld", 5.00, 56, Termine(), 0, 1, true, false,
         kOhneKommentar},
        {Eigen(J, kGiro),
         Fremd("Putzhilfe Frau Gr\xE4"
               "f"),
         kFamilie, "Haushalt", "Putzhilfe", 45.00, 55, Termine(), 0.5, 1, true, false, kOhneKommentar},
        {Eigen(B, kGiro), Fremd("Nachhilfe Schlaukopf"), S, "Bildung", "Nachhilfe", 30.00, 52, Termine(), 0.4, 0.55,
         true, false, Name("Mathe", "Maths")},
        {Eigen(J, kBar), Fremd("Tageszeitung Bote"), J, "Medien", "Zeitschriften", 3.50, 54, Termine(), 0, 1, true,
         false, Name("Wochenendausgabe", "Weekend edition")},
        {Eigen(J, kGiro), Eigen(S, kKinderSparbuch), S, "Sparen", "Sparplan", 5.00, 51, Termine(), 0, 1, true, false,
         kOhneKommentar},
        // On fixed dates every year.
        {Eigen(J, kGiro), Fremd(kVersicherung), kFamilie, "Auto", "Versicherung", 412.30, 0, Termine(101), 0, 1, true,
         false, kOhneKommentar},
        {Eigen(J, kGiro), Fremd("Hauptzollamt"), kFamilie, "Auto", "Steuer", 188.00, 0, Termine(615), 0, 1, true, false,
         kOhneKommentar},
        {Eigen(B, kGiro), Fremd("Rundfunkbeitrag"), kFamilie, "Kommunikation", "Rundfunk", 55.08, 0,
         Termine(115, 415, 715, 1015), 0, 1, true, false, kOhneKommentar},
        {Eigen(J, kGiro), Fremd(kVersicherung), kFamilie, "Versicherungen", "Hausrat", 98.40, 0, Termine(301), 0, 1,
         true, false, kOhneKommentar},
        {Fremd(kKoehler), Eigen(J, kGiro), J, "Gehalt", "Weihnachtsgeld", 1500.00, 0, Termine(1130), 0, 1, true, false,
         kOhneKommentar},
        {Fremd(kKlinikum), Eigen(B, kGiro), B, "Gehalt", "Urlaubsgeld", 800.00, 0, Termine(630), 0, 1, true, false,
         kOhneKommentar},
        // Lena was born on 29 February: her birthday money comes in leap years only.
        {Fremd(kOma), Eigen(L, kBar), L, "Geschenke", "Geburtstag", 50.00, 0, Termine(229), 0, 1, true, false,
         Name("Geburtstag", "Birthday")},
        {Fremd(kOma), Eigen(S, kBar), S, "Geschenke", "Geburtstag", 50.00, 0, Termine(812, 1224), 0, 1, true, false,
         Name("von Oma", "from Grandma")},
        {Eigen(B, kGiro), Fremd("F\xF6rderverein Grundschule"), kFamilie, "Vereine", "F\xF6rderverein", 24.00, 0,
         Termine(915), 0.2, 1, true, true, Name("Jahresbeitrag", "Annual fee")},
    };
    return auftraege;
}

const std::vector<Name>& Kommentare()
{
    static const std::vector<Name> kommentare = {
        Name("Wocheneinkauf", "Weekly shop"),
        Name("f\xFCr die Schule", "for school"),
        Name("Geschenk", "present"),
        Name("Sonderangebot", "special offer"),
        Name("mit Gutschein", "with voucher"),
        Name("Ersatz", "replacement"),
        Name("Grillabend", "barbecue"),
        Name("Besuch bei Gro\xDF"
             "eltern",
             "visit to grandparents"),
        Name("Kindergeburtstag", "children's party"),
        Name("R\xFC"
             "ckgabe offen",
             "return pending"),
        Name("Quittung im Ordner", "receipt filed"),
        Name("Ausflug", "outing"),
    };
    return kommentare;
}

} // namespace velmora::generator
