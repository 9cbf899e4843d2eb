// The prayer window's zone chooser: the fixed offset, the system's zone, then every zone of the system's tz
// database, each with its offset at the moment given, narrowed by a search field (parts of the name, the
// region, an offset such as +5:30).
#pragma once

#include "astro/types.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace almadex {

/// The zone matches every word of `query`: a word with a sign ("+2", "-03:30", "UT+5", "GMT-3") matches
/// the offset (its hour, or hour and minutes when given), any other a part of the name, '_' read as a
/// space and case ignored ("paris", "america", "new york").
bool zone_matches(const QString& name, int offset_seconds, const QString& query);

class TZoneDialog : public QDialog {
    Q_OBJECT

public:
    /// The list with the zone `current` chosen ("" for the fixed offset), the offsets those in force at
    /// `now` (UT).
    TZoneDialog(const QString& current, astro::TDateTime now, QWidget* parent = nullptr);

    /// The names listed after "Fixed offset": the system's zone first, then every other zone, sorted.
    static QStringList zone_names();

    /// The chosen zone, "" for the fixed offset (when accepted).
    QString chosen() const;
    /// Closes the dialog with the chosen row; nothing while the search leaves no row.
    void accept() override;

    QLineEdit* search() const { return search_; } ///< object name ZoneSearch
    QListWidget* list() const { return list_; }   ///< object name ZoneList
    /// The names of the rows the search leaves, "" for the fixed offset.
    QStringList shown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& query);

    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
};

} // namespace almadex
