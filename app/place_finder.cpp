#include "app/place_finder.h"

#include "app/core.h"
#include "app/guard.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>

namespace almadex {
namespace {

QString text_of(const std::string& s) {
    return QString::fromStdString(s);
}

/// A city as its row of the list reads: "Oran, Oran Province, Algeria (DZ)", then its Arabic name, kept
/// apart from the Latin text around it.
QString row_text(const almanac::TCity& city) {
    QString row = text_of(almanac::city_title(city));
    if (!city.name_ar.empty()) row += QStringLiteral("  \u2067%1\u2069").arg(text_of(city.name_ar));
    return row;
}

} // namespace

void TPlaceFinder::translate() {
    label_->setText(tr("&Find a city:"));
    if (!field_->isEnabled()) {
        field_->setPlaceholderText(tr("Cities cannot be found by name: their data cannot be loaded"));
        return;
    }
    field_->setPlaceholderText(tr("Oran, Alger, \u0648\u0647\u0631\u0627\u0646..."));
    field_->setToolTip(
        tr("A city's name, in any case, with or without its accents; its French or Arabic name"));
}

void TPlaceFinder::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) translate();
}

TPlaceFinder::TPlaceFinder(TAppCore& core, QWidget* parent) : QWidget(parent), core_(core) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 0);
    label_ = new QLabel(this);
    auto* label = label_;
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("PlaceSearch"));
    translate();
    field_->setMaxLength(static_cast<int>(almanac::place_query_limit) + 1); // one more: the list says why
    label->setBuddy(field_);
    row->addWidget(label);
    row->addWidget(field_, 1);

    model_ = new QStandardItemModel(this);
    completer_ = new QCompleter(model_, this);
    completer_->setWidget(field_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(10);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { run_guarded(this, [&] { choose(index.row()); }); });
    connect(field_, &QLineEdit::textEdited, this, guarded(this, &TPlaceFinder::search));
    // Enter with the list closed, or no row of it chosen: the first city listed.
    connect(field_, &QLineEdit::returnPressed, this, [this] {
        run_guarded(this, [&] {
            if (matches_.empty()) search(field_->text());
            if (!matches_.empty()) choose(0);
        });
    });
}

bool TPlaceFinder::available() {
    const almanac::TPlaceIndex* index = nullptr;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor); // the first time, the data is read
        index = &core_.places();
        QApplication::restoreOverrideCursor();
    }
    if (index->error().empty()) return true;
    if (field_->isEnabled()) {
        field_->clear();
        field_->setEnabled(false);
        field_->setPlaceholderText(tr("Cities cannot be found by name: their data cannot be loaded"));
        field_->setToolTip(text_of(index->error()));
        completer_->popup()->hide();
    }
    return false;
}

void TPlaceFinder::search(const QString& text) {
    matches_.clear();
    model_->clear();
    if (text.trimmed().isEmpty() || !available()) {
        completer_->popup()->hide();
        return;
    }
    const almanac::TPlaceSearch found = core_.places().search(text.toStdString(), 12);
    matches_ = found.cities;
    for (const almanac::TCity& city : matches_) {
        auto* item = new QStandardItem(row_text(city));
        item->setEditable(false);
        model_->appendRow(item);
    }
    // No city: a line that says why, which cannot be chosen.
    if (matches_.empty()) {
        auto* item =
            new QStandardItem(found.error.empty() ? tr("No city's name begins so") : text_of(found.error));
        item->setFlags(Qt::NoItemFlags);
        model_->appendRow(item);
    }
    completer_->complete();
}

void TPlaceFinder::choose(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= matches_.size()) return;
    const almanac::TCity city = matches_[static_cast<std::size_t>(row)];
    completer_->popup()->hide();
    field_->setText(text_of(city.name));
    emit city_chosen(city);
}

// --- the strip ---

TMessageStrip::TMessageStrip(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PlaceStrip"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 2, 2);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("PlaceStripText"));
    // One line whatever its length: the window keeps its width, the whole text is in the tool tip.
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    accept_ = new QPushButton(this);
    accept_->setObjectName(QStringLiteral("PlaceStripAccept"));
    dismiss_ = new QPushButton(this);
    dismiss_->setObjectName(QStringLiteral("PlaceStripDismiss"));
    row->addWidget(text_, 1);
    row->addWidget(accept_);
    row->addWidget(dismiss_);
    connect(accept_, &QPushButton::clicked, this, [this] {
        hide();
        emit accepted();
    });
    connect(dismiss_, &QPushButton::clicked, this, [this] {
        hide();
        emit dismissed();
    });
    hide();
}

void TMessageStrip::propose(const QString& text, const QString& accept, const QString& dismiss,
                            const QString& tip) {
    text_->setText(text);
    setToolTip(tip.isEmpty() ? text : text + u'\n' + tip);
    accept_->setText(accept);
    accept_->setVisible(!accept.isEmpty());
    dismiss_->setText(dismiss);
    show();
}

} // namespace almadex
