#include "CAboutDlg.h"

#include "Basis.h"
#include "Bilder.h"
#include "MaleText.h"
#include "QtText.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

namespace velmora {

namespace {

constexpr int kZeilenX = 112;
constexpr int kErsteZeileY = 76;

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
    setFixedSize(620, 260);

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

    QStringList zeilen{Sprachtext(m_bDeutsch, "Das klare Haushalts-Buch", "The clear book of household accounts")};
    for (size_t i = 0; i < std::size(kZeilenDe); ++i)
        zeilen << Sprachtext(m_bDeutsch, kZeilenDe[i], kZeilenEn[i]);
    setAccessibleDescription(zeilen.join(QLatin1Char(' ')));
}

void CAboutDlg::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    MaleText(maler, {kZeilenX, 20},
             Sprachtext(m_bDeutsch, "Das klare Haushalts-Buch", "The clear book of household accounts"), {34},
             QColor(0, 128, 255));
    for (size_t i = 0; i < std::size(kZeilenDe); ++i)
        MaleText(maler, {kZeilenX, kErsteZeileY + static_cast<int>(i) * 26},
                 Sprachtext(m_bDeutsch, kZeilenDe[i], kZeilenEn[i]), {20, 0, 400}, QColor(64, 64, 64));
}

} // namespace velmora
