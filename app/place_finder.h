// The prayer window's search for a place by its name: a field whose list shows the cities a typed name begins
// (accents and case aside, the largest first, each with its country, and its Arabic name where the data has
// one), and the one-line strip above the place fields in which the window proposes a city or a method.
#pragma once

#include "almanac/places.h"

#include <QFrame>
#include <QString>
#include <QWidget>
#include <vector>

class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;

namespace almadex {

class TAppCore;

/// A label and the search field (object name PlaceSearch), with its list of matches.
class TPlaceFinder : public QWidget {
    Q_OBJECT

public:
    /// Searches the core's places (loaded the first time a name is typed).
    explicit TPlaceFinder(TAppCore& core, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    /// The list of matches under the field.
    QCompleter* completer() const { return completer_; }
    /// The cities listed, in the list's order.
    const std::vector<almanac::TCity>& matches() const { return matches_; }

    /// True when the place data can be searched; otherwise the field says that it cannot and takes no text.
    /// Loads the data the first time.
    bool available();
    /// Lists the cities whose names `text` begins (none for blanks), or a line saying why none is listed.
    void search(const QString& text);
    /// The city of row `row` of the list is chosen: the field shows its name and city_chosen is emitted.
    void choose(int row);

signals:
    void city_chosen(const almanac::TCity& city);

protected:
    /// Its texts in the language spoken.
    void changeEvent(QEvent* event) override;

private:
    void translate();

    TAppCore& core_;
    QLabel* label_ = nullptr;
    QLineEdit* field_ = nullptr;
    QCompleter* completer_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    std::vector<almanac::TCity> matches_;
};

/// A one-line message with a button that accepts what it proposes (PlaceStripAccept; none for a mere notice)
/// and one that dismisses it (PlaceStripDismiss). Hidden until it proposes something.
class TMessageStrip : public QFrame {
    Q_OBJECT

public:
    explicit TMessageStrip(QWidget* parent = nullptr);

    QLabel* text() const { return text_; }
    QPushButton* accept_button() const { return accept_; }
    QPushButton* dismiss_button() const { return dismiss_; }
    /// Shows `text` (its whole wording, and `tip`, in the tool tip), with an accept button reading `accept`
    /// (none when empty) and a dismiss button reading `dismiss`.
    void propose(const QString& text, const QString& accept, const QString& dismiss, const QString& tip = {});

signals:
    void accepted();
    void dismissed();

private:
    QLabel* text_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* dismiss_ = nullptr;
};

} // namespace almadex
