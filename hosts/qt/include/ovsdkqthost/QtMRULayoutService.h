#ifndef OVSDKQTHOST_QTMRULAYOUTSERVICE_H
#define OVSDKQTHOST_QTMRULAYOUTSERVICE_H

#include "ovsdkqthost/Export.h"

#include "integration/services/MRULayoutServiceAbstract.h"

#include <QMenu>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace orvane {
namespace sdk {
namespace qthost {

// The recently used layouts in a QMenu.
//
// Implements: MRULayoutService: each layout the engine reports moves to the
// top of the list (without duplicates, at most `maxEntries` kept) and the
// menu is rebuilt with one action per layout, disabled while empty.
// Choosing an action calls the application's open function.
// Leaves to the application: the menu (not owned) and what opening a
// layout does.
class OVSDKQTHOST_EXPORT QtMRULayoutService : public integration::services::MRULayoutServiceAbstract
{
public:
    // What choosing a layout in the menu does.
    typedef std::function<void(const QString& layoutFileName)> OpenFunction;

    // A service filling `menu` (not owned; may be null) with at most
    // `maxEntries` layouts (at least 1); `open` is called with the chosen one.
    explicit QtMRULayoutService(QMenu* menu, int maxEntries = 8, OpenFunction open = OpenFunction());
    // Empties the menu: its actions would call this service.
    ~QtMRULayoutService() override;

    void updateMRULayout(const std::string& layoutFileName) override;
    // The layouts, most recent first.
    QStringList layouts() const;

private:
    void rebuildMenu();

    QPointer<QMenu> m_menu;
    int m_maxEntries;
    OpenFunction m_open;
    QStringList m_layouts;
};

} // namespace qthost
} // namespace sdk
} // namespace orvane

#endif // OVSDKQTHOST_QTMRULAYOUTSERVICE_H
