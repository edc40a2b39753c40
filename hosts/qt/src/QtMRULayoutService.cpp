#include "ovsdkqthost/QtMRULayoutService.h"

#include <QAction>

namespace orvane {
namespace sdk {
namespace qthost {

QtMRULayoutService::QtMRULayoutService(QMenu* menu, int maxEntries, OpenFunction open)
    : m_menu(menu), m_maxEntries(maxEntries > 0 ? maxEntries : 1), m_open(std::move(open))
{
    rebuildMenu();
}

QtMRULayoutService::~QtMRULayoutService()
{
    if (m_menu != nullptr)
        m_menu->clear();
}

void QtMRULayoutService::updateMRULayout(const std::string& layoutFileName)
{
    const QString name = QString::fromStdString(layoutFileName);
    m_layouts.removeAll(name);
    m_layouts.prepend(name);
    while (m_layouts.size() > m_maxEntries)
        m_layouts.removeLast();
    rebuildMenu();
}

QStringList QtMRULayoutService::layouts() const { return m_layouts; }

void QtMRULayoutService::rebuildMenu()
{
    if (m_menu == nullptr)
        return;
    m_menu->clear();
    for (const QString& name : m_layouts)
    {
        QAction* action = m_menu->addAction(name);
        QObject::connect(action, &QAction::triggered, [this, name] {
            if (m_open)
                m_open(name);
        });
    }
    m_menu->setEnabled(!m_layouts.isEmpty());
}

} // namespace qthost
} // namespace sdk
} // namespace orvane
