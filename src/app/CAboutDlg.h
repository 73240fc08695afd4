#pragma once

// The About box: version, the author's addresses and a few painted lines about the program.

#include <QDialog>

namespace velmora {

class CBasis;

class CAboutDlg final : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char* kMailAdresse = "mailto:velmora@example.org";
    static constexpr const char* kHomepage = "https://velmora.example.org";

    CAboutDlg(const CBasis& basis, QWidget* eltern = nullptr);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QString Titel() const;
    QString Zeile(size_t i) const;

    bool m_bDeutsch;
};

} // namespace velmora
