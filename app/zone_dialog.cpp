#include "app/zone_dialog.h"

#include "almanac/time_zone.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

namespace almadex {
namespace {

constexpr int kNameRole = Qt::UserRole;

// A name as searched: lower case, '_' as a space.
QString searchable(QString text) {
    return text.replace(QLatin1Char('_'), QLatin1Char(' ')).toLower();
}

// A word of the query with a sign is an offset: "+5", "-03:30", "+0545", "UT+2", "UTC-3", "GMT+1".
bool offset_matches(const QString& word, int offset_seconds, bool& is_offset) {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:utc|ut|gmt)?([+\u2212-])(\\d{1,2})(?::?(\\d{2}))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(word);
    is_offset = m.hasMatch();
    if (!is_offset) return false;
    const bool west = m.captured(1) != QStringLiteral("+");
    const int hours = m.captured(2).toInt();
    const int seconds = std::abs(offset_seconds);
    // An offset of 0 matches both signs.
    if (offset_seconds != 0 && (offset_seconds < 0) != west) return false;
    if (m.captured(3).isEmpty()) return seconds / 3600 == hours;
    return seconds == hours * 3600 + m.captured(3).toInt() * 60;
}

// "UT+05:30"
QString offset_label(int seconds) {
    return QStringLiteral("UT") + QString::fromStdString(almanac::offset_text(seconds));
}

} // namespace

bool zone_matches(const QString& name, int offset_seconds, const QString& query) {
    const QString text = searchable(name);
    for (const QString& word : query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        bool is_offset = false;
        if (offset_matches(word, offset_seconds, is_offset)) continue;
        if (is_offset || !text.contains(searchable(word))) return false;
    }
    return true;
}

QStringList TZoneDialog::zone_names() {
    const QString system = QString::fromStdString(almanac::system_time_zone());
    QStringList names;
    if (!system.isEmpty()) names << system;
    for (const std::string& name : almanac::time_zone_names()) {
        const QString zone = QString::fromStdString(name);
        if (zone != system) names << zone;
    }
    return names;
}

TZoneDialog::TZoneDialog(const QString& current, astro::TDateTime now, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Time zone"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt =
        new QLabel(tr("Search by city, region or offset (such as Paris, America or +5:30):"), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("ZoneSearch"));
    search_->setClearButtonEnabled(true);
    prompt->setBuddy(search_);
    layout->addWidget(search_);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ZoneList"));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    auto* fixed = new QListWidgetItem(tr("Fixed offset (the fields beside the zone)"), list_);
    fixed->setData(kNameRole, QString());
    for (const QString& name : zone_names()) {
        const int offset = almanac::TTimeZone(name.toStdString()).offset_at(now);
        auto* item = new QListWidgetItem(QStringLiteral("%1    %2").arg(name, offset_label(offset)), list_);
        item->setData(kNameRole, name);
        item->setData(kNameRole + 1, offset);
    }
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->data(kNameRole).toString() == current) list_->setCurrentRow(row);
    if (list_->currentRow() < 0) list_->setCurrentRow(0);

    connect(search_, &QLineEdit::textChanged, this, &TZoneDialog::filter);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    // Up and Down in the search field walk the list; Return there takes the chosen row (the default button).
    search_->installEventFilter(this);

    // Some twenty rows, never taller than the screen.
    int height = 480;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        height = std::min(height, screen->availableGeometry().height() * 4 / 5);
    resize(420, height);
    search_->setFocus();
}

QString TZoneDialog::chosen() const {
    const QListWidgetItem* item = list_->currentItem();
    return item && !item->isHidden() ? item->data(kNameRole).toString() : QString();
}

void TZoneDialog::accept() {
    const QListWidgetItem* item = list_->currentItem();
    if (item && !item->isHidden()) QDialog::accept();
}

bool TZoneDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(list_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QStringList TZoneDialog::shown() const {
    QStringList names;
    for (int row = 0; row < list_->count(); ++row)
        if (!list_->item(row)->isHidden()) names << list_->item(row)->data(kNameRole).toString();
    return names;
}

void TZoneDialog::filter(const QString& query) {
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const QString name = item->data(kNameRole).toString();
        // The fixed offset stays in reach while nothing is searched.
        const bool match = name.isEmpty() ? query.trimmed().isEmpty()
                                          : zone_matches(name, item->data(kNameRole + 1).toInt(), query);
        item->setHidden(!match);
        if (match && !first) first = item;
    }
    if (list_->currentItem() == nullptr || list_->currentItem()->isHidden()) list_->setCurrentItem(first);
}

} // namespace almadex
