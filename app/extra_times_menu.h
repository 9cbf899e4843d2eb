// The prayer window's choice of the times listed besides the six: Imsak and its minutes before dawn, midnight
// and the last third of the night with where the night ends, the sunset in a row of its own, Friday's noon
// prayer named Jumu'ah; items of the window's Options menu.
#pragma once

#include "almanac/prayer_methods.h"

#include <QObject>
#include <vector>

class QAction;
class QMenu;

namespace almadex {

class TExtraTimesMenu : public QObject {
    Q_OBJECT

public:
    /// Adds the items to `options` after a separator: checkable actions named extra_imsak, extra_midnight,
    /// extra_last_third, extra_sunset, extra_jumuah, and the submenus of Imsak's minutes (imsak_minutes_N)
    /// and of the night's end (night_dawn, night_sunrise).
    explicit TExtraTimesMenu(QMenu* options);
    /// The items' texts in the language spoken.
    void translate();
    /// Checks the items of `extra`.
    void show(const almanac::TExtraTimes& extra);
    /// The choice the items show.
    almanac::TExtraTimes chosen() const;

signals:
    /// The user chose an item.
    void changed();

private:
    QAction* add_item(QMenu* menu, const QString& name);
    QAction *imsak_, *midnight_, *last_third_, *sunset_, *jumuah_;
    QMenu *minutes_menu_, *night_menu_;
    std::vector<QAction*> minutes_, night_ends_;
};

} // namespace almadex
