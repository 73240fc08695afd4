// The text check: each kind of cut text is found, and a window whose texts all fit passes.

#include "Textpruefung.h"
#include "MaleText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace velmora::test {
namespace {

// A window that paints texts itself, as the program's windows paint headings and messages.
class Malfenster final : public QWidget
{
public:
    Malfenster() { setFixedSize(300, 200); }
    std::vector<std::pair<QPoint, QString>> texte;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        for (const auto& [ort, text] : texte)
            MaleText(maler, ort, text, {20}, Qt::red);
    }
};

template<class W>
W* Neu(QWidget* eltern, const QString& text, QRect ort)
{
    auto* w = new W(text, eltern);
    w->setGeometry(ort);
    return w;
}

TEST(Textpruefung, FindetJedeArtAbgeschnittenerTexte)
{
    const QString lang = QStringLiteral("Familien-Mitglieder umbenennen");
    const struct
    {
        const char* fall;
        std::function<void(Malfenster&)> baue;
        QString befund; // empty: the window passes
    } faelle[] = {
        {"all fits",
         [&](Malfenster& f) {
             Neu<QLabel>(&f, QStringLiteral("Betrag"), {10, 40, 100, 24});
             Neu<QPushButton>(&f, QStringLiteral("Ändern"), {10, 70, 100, 30});
             Neu<QCheckBox>(&f, QStringLiteral("Hilfe"), {10, 110, 100, 24});
             Neu<QGroupBox>(&f, QStringLiteral(" Konten "), {150, 40, 140, 100});
             f.texte = {{{10, 8}, QStringLiteral("Meier")}, {{150, 8}, QStringLiteral("1.12.2026")}};
         },
         {}},
        {"narrow label",
         [&](Malfenster& f) {
             Neu<QLabel>(&f, lang, {10, 40, 60, 24});
         },
         QStringLiteral("is cut")},
        {"narrow button",
         [&](Malfenster& f) {
             Neu<QPushButton>(&f, lang, {10, 40, 80, 30});
         },
         QStringLiteral("is cut")},
        {"narrow check box",
         [&](Malfenster& f) {
             Neu<QCheckBox>(&f, lang, {10, 40, 80, 24});
         },
         QStringLiteral("is cut")},
        {"narrow radio button",
         [&](Malfenster& f) {
             Neu<QRadioButton>(&f, lang, {10, 40, 80, 24});
         },
         QStringLiteral("is cut")},
        {"narrow group",
         [&](Malfenster& f) {
             Neu<QGroupBox>(&f, lang, {10, 40, 80, 80});
         },
         QStringLiteral("is cut")},
        {"painted past the edge",
         [&](Malfenster& f) {
             f.texte = {{{200, 8}, lang}};
         },
         QStringLiteral("is cut")},
        {"painted texts meet",
         [&](Malfenster& f) {
             f.texte = {{{10, 8}, QStringLiteral("Wittgenstein")}, {{60, 8}, QStringLiteral("8.12.2026")}};
         },
         QStringLiteral("overlap")},
        {"painted under a control",
         [&](Malfenster& f) {
             f.texte = {{{10, 150}, QStringLiteral("'Anna' existiert bereits")}};
             new QLineEdit(&f);
             f.findChild<QLineEdit*>()->setGeometry(100, 140, 150, 30);
         },
         QStringLiteral("lies under")},
        {"label out of its group",
         [&](Malfenster& f) {
             auto* gruppe = Neu<QGroupBox>(&f, QString(), {10, 40, 120, 80});
             Neu<QLabel>(gruppe, QStringLiteral("Neues Konto"), {60, 30, 100, 24});
         },
         QStringLiteral("leaves")},
        {"restore button over edit button",
         [&](Malfenster& f) {
             Neu<QPushButton>(&f, lang, {10, 40, 80, 30});
             Neu<QPushButton>(&f, QStringLiteral("OK"), {10, 40, 80, 30});
         },
         {}},
        {"below a shortened window",
         [&](Malfenster& f) {
             Neu<QPushButton>(&f, lang, {10, 220, 80, 30});
         },
         {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.fall);
        Malfenster fenster;
        fall.baue(fenster);
        fenster.show();
        const QStringList befunde = PruefeTexte(fenster);
        if (fall.befund.isEmpty()) {
            EXPECT_EQ("", befunde.join(QLatin1Char('\n')).toStdString());
        } else {
            ASSERT_EQ(1, befunde.size()) << befunde.join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(befunde.front().contains(fall.befund)) << befunde.front().toStdString();
        }
    }
}

} // namespace
} // namespace velmora::test
