#include "CAboutDlg.h"

#include "Basis.h"
#include "Bilder.h"
#include "MaleText.h"
#include "QtText.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace velmora {

namespace {

constexpr int kZeilenX = 112;
constexpr int kErsteZeileY = 76;
constexpr int kBreite = 620;
constexpr int kRand = 16;
constexpr Schrift kTitelSchrift{34};
constexpr Schrift kZeilenSchrift{20, 0, 400};

const char* const kZeilenDe[] = {
    "Sie möchten mit einem Click wissen was Ihr Auto monatlich kostet,",
    "oder was Sie im Jahr für Versicherungen ausgeben - noch wichtiger,",
    "was am Monatsende übrig bleibt?",
    "Dann sind Sie hier genau richtig !!",
};
const char* const kZeilenEn[] = {
    "You want to know the monthly costs of your car with one click,",
    "or what you spend for insurances in a year - much more important,",
    "how much money is left at the end of the month?",
    "Then you are exactly right here !!",
};

} // namespace

CAboutDlg::CAboutDlg(const CBasis& basis, QWidget* eltern)
    : QDialog(eltern)
    , m_bDeutsch(basis.Deutsch())
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(Sprachtext(m_bDeutsch, "Info über Velmora", "About Velmora"));
    // The box widens when a line of the language is longer than its usual width allows.
    int breite = kBreite;
    const auto passe = [&breite](const QString& text, Schrift schrift) {
        breite = std::max(breite, kZeilenX + QFontMetrics(SchriftFuer(schrift)).horizontalAdvance(text) + kRand);
    };
    passe(Titel(), kTitelSchrift);
    for (size_t i = 0; i < std::size(kZeilenDe); ++i)
        passe(Zeile(i), kZeilenSchrift);
    setFixedSize(breite, 260);

    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("aboutBild"));
    bild->setPixmap(Bild(kProgrammBild));
    bild->setGeometry(16, 16, 80, 80);
    bild->setAccessibleName(QStringLiteral("Velmora"));

    auto* version = new QLabel(QStringLiteral("Version 1.0.0.1"), this);
    version->setObjectName(QStringLiteral("version"));
    version->setGeometry(16, 104, 90, 20);

    auto* mail = new QPushButton(Sprachtext(m_bDeutsch, "E-Mail", "E-mail"), this);
    mail->setObjectName(QStringLiteral("mail"));
    mail->setGeometry(kZeilenX, 200, 120, 30);
    mail->setAutoDefault(false);
    connect(mail, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMailAdresse))); });

    auto* homepage = new QPushButton(QStringLiteral("Homepage"), this);
    homepage->setObjectName(QStringLiteral("homepage"));
    homepage->setGeometry(kZeilenX + 130, 200, 120, 30);
    homepage->setAutoDefault(false);
    connect(homepage, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomepage))); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(width() - 106, 200, 90, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    QStringList zeilen{Titel()};
    for (size_t i = 0; i < std::size(kZeilenDe); ++i)
        zeilen << Zeile(i);
    setAccessibleDescription(zeilen.join(QLatin1Char(' ')));
}

QString CAboutDlg::Titel() const
{
    return Sprachtext(m_bDeutsch, "Das klare Haushalts-Buch", "The clear book of household accounts");
}

QString CAboutDlg::Zeile(size_t i) const
{
    return Sprachtext(m_bDeutsch, kZeilenDe[i], kZeilenEn[i]);
}

void CAboutDlg::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    MaleText(maler, {kZeilenX, 20}, Titel(), kTitelSchrift, QColor(0, 128, 255));
    for (size_t i = 0; i < std::size(kZeilenDe); ++i)
        MaleText(maler, {kZeilenX, kErsteZeileY + static_cast<int>(i) * 26}, Zeile(i), kZeilenSchrift,
                 QColor(64, 64, 64));
}

} // namespace velmora
