#pragma once

// Files dropped onto the main window: taken while the window may import, handed on as local paths.

#include <QObject>
#include <QStringList>
#include <functional>

namespace velmora {

class Dateiablage final : public QObject
{
    Q_OBJECT
public:
    // nimmt: whether the window takes files now; abgelegt: receives the local files of a drop.
    Dateiablage(QWidget* fenster, std::function<bool()> nimmt, std::function<void(const QStringList&)> abgelegt);

    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    std::function<bool()> m_nimmt;
    std::function<void(const QStringList&)> m_abgelegt;
};

} // namespace velmora
