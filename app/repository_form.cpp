#include "app/repository_form.h"

#include "almanac/civil_calendar.h"
#include "almanac/data_files.h"
#include "app/core.h"
#include "app/date_formats.h"
#include "app/guard.h"
#include "app/messages.h"
#include "ui_repository_form.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace almadex {
namespace {

/// Day, month and year separated by "/": the form in which entries are written and first read back.
TFormatSettings day_first() {
    TFormatSettings fs;
    fs.DateSeparator = u'/';
    fs.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    return fs;
}

/// "Dec 25 2003": the form that entries added after a prayer schedule was saved may hold in older files.
TFormatSettings month_name_first() {
    TFormatSettings fs;
    fs.DateSeparator = u' ';
    fs.ShortDateFormat = QStringLiteral("mmm dd yyyy");
    return fs;
}

/// The date of an entry's date text, read in the civil calendar (Julian up to 4 October 1582): in the date
/// conventions in force (`in_force`), as dd/mm/yyyy or as mmm dd yyyy, each alone or followed by a time of
/// day. A date the calendar skips (5..14 October 1582) is none.
std::optional<TGregorianFields> parse_entry_date(const QString& text, const TFormatSettings& in_force) {
    std::optional<TGregorianFields> date;
    for (const TFormatSettings& fs : {in_force, day_first(), month_name_first()}) {
        std::optional<double> day = try_str_to_date(text, fs);
        if (!day) day = try_str_to_datetime(text, fs);
        if (!day) continue;
        const QDate read = to_qdate(*day);
        date = TGregorianFields{read.day(), read.month(), read.year()};
        break;
    }
    // A leap day of the Julian years the proleptic reading has not (29/02/1500).
    static const QRegularExpression leap_day(QStringLiteral("^\\s*29/0?2/(\\d{1,4})(\\s|$)"));
    if (const QRegularExpressionMatch m = leap_day.match(text); !date && m.hasMatch())
        date = TGregorianFields{29, 2, m.captured(1).toInt()};
    if (date && !almanac::civil_date_exists(date->year, date->month, date->day)) return std::nullopt;
    return date;
}

/// An entry's date as the list shows it: the stored text with the digits shown, or for a date in an older
/// form, the day in the stored form's order.
QString shown_entry_date(const QString& stored) {
    static const QRegularExpression fixed(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}( \\d\\d:\\d\\d:\\d\\d)?$"));
    if (fixed.match(stored).hasMatch()) return shown_digits(stored);
    if (const auto day = parse_entry_date(stored, day_first()))
        return shown_digits(QStringLiteral("%1/%2/%3")
                                .arg(day->day, 2, 10, QLatin1Char('0'))
                                .arg(day->month, 2, 10, QLatin1Char('0'))
                                .arg(day->year, 4, 10, QLatin1Char('0')));
    return stored;
}

QString from_utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// The entries' state image: a gold star on a calendar leaf.
QIcon favourite_icon() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.fillRect(QRectF(2, 3, 12, 3), QColor(40, 90, 180));
    QPainterPath star;
    const QPointF centre(8, 10.5);
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 4.2 : 1.8;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QColor(160, 110, 0));
    p.setBrush(QColor(250, 200, 30));
    p.drawPath(star);
    return QIcon(picture);
}

} // namespace

TRepositoryForm::TRepositoryForm(TAppCore& core, QWidget* parent)
    : QWidget(parent), core_(core), ui(std::make_unique<Ui::TRepositoryForm>()) {
    ui->setupUi(this);
    state_image_ = favourite_icon();
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    QTableWidget* list = ui->ListView1;
    list->setColumnWidth(0, kDescriptionWidth);
    list->setColumnWidth(1, kDateWidth);
    list->horizontalHeader()->setStretchLastSection(true);
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->viewport()->setCursor(Qt::PointingHandCursor);
    list->setTabKeyNavigation(false); // Tab goes on to the next field, not to the next cell
    ui->DescEdit->setMaxLength(kMaxDescription);
    ui->DatePick->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));

    favorite_popup_menu_ = new QMenu(this);
    favorite_popup_menu_->setObjectName(QStringLiteral("FavoritePopupMenu"));
    remove1_ = favorite_popup_menu_->addAction(tr("Remove"));
    remove1_->setObjectName(QStringLiteral("Remove1"));
    // Delete in the list removes the selected entry, as the menu does.
    remove1_->setShortcut(QKeySequence::Delete);
    remove1_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    list->addAction(remove1_);
    // Ctrl+Z anywhere in the window puts the entry removed last back.
    undo_ = favorite_popup_menu_->addAction(tr("Undo remove"));
    undo_->setObjectName(QStringLiteral("UndoRemove"));
    undo_->setShortcut(QKeySequence::Undo);
    undo_->setShortcutContext(Qt::WindowShortcut);
    undo_->setEnabled(false);
    addAction(undo_);
    connect(undo_, &QAction::triggered, this, guarded(this, &TRepositoryForm::undo_remove));

    connect(remove1_, &QAction::triggered, this, guarded(this, &TRepositoryForm::Remove1Click));
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        favorite_popup_menu_->popup(ui->ListView1->viewport()->mapToGlobal(pos));
    });
    connect(ui->AddBtn, &QPushButton::clicked, this, guarded(this, &TRepositoryForm::AddBtnClick));
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                for (const QModelIndex& index : deselected.indexes())
                    if (index.column() == 0)
                        run_guarded(this, [&] { ListView1SelectItem(index.row(), false); });
                for (const QModelIndex& index : selected.indexes())
                    if (index.column() == 0)
                        run_guarded(this, [&] { ListView1SelectItem(index.row(), true); });
            });
    connect(qApp, &QApplication::focusChanged, this, guarded(this, &TRepositoryForm::focus_changed));
    FormCreate();
}

void TRepositoryForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange && event->type() != QEvent::LocaleChange) return;
    ui->retranslateUi(this);
    remove1_->setText(tr("Remove"));
    for (int row = 0; row < EntryCount(); ++row)
        if (QTableWidgetItem* date = ui->ListView1->item(row, 1))
            date->setText(shown_entry_date(EntryDate(row)));
}

TRepositoryForm::~TRepositoryForm() {
    run_guarded(core_.dialog_parent(), [this] { FormDestroy(); });
}

QTableWidget* TRepositoryForm::ListView1() const {
    return ui->ListView1;
}
QGroupBox* TRepositoryForm::NuGroup() const {
    return ui->NuGroup;
}
QLineEdit* TRepositoryForm::DescEdit() const {
    return ui->DescEdit;
}
QDateEdit* TRepositoryForm::DatePick() const {
    return ui->DatePick;
}
QPushButton* TRepositoryForm::AddBtn() const {
    return ui->AddBtn;
}

int TRepositoryForm::EntryCount() const {
    return ui->ListView1->rowCount();
}
QString TRepositoryForm::EntryDescription(int row) const {
    const QTableWidgetItem* item = ui->ListView1->item(row, 0);
    return item ? item->text() : QString();
}
QString TRepositoryForm::EntryDate(int row) const {
    const QTableWidgetItem* item = ui->ListView1->item(row, 1);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

// --- the file ---

void TRepositoryForm::FormCreate() {
    data_file_ = core_.data_file(QStringLiteral("dates.dat"));
    load_repository();
    ui->DatePick->setDate(to_qdate(core_.now()));
}

void TRepositoryForm::FormDestroy() {
    save_repository();
}

void TRepositoryForm::load_repository() {
    std::string text;
    // A file that exists but cannot be read is left as it is: said once, and not saved in this run.
    if (!read_data_file_at_start(core_.dialog_parent(), data_file_.read_path, text)) {
        save_allowed_ = false;
        return;
    }
    const double now = core_.now();
    // The stored form, whatever the language spoken.
    const QDateTime moment = to_qdatetime(now);
    const QString default_date = stored_date_text(moment.date()) + u' ' + stored_time_text(moment.time());
    const almanac::TDatesFile file = almanac::parse_dates(text, default_date.toStdString());
    if (!file.unreadable.empty()) {
        report_unreadable_file(core_.dialog_parent(), data_file_.read_path, from_utf8(file.unreadable));
        save_allowed_ = false;
        return;
    }
    known_bytes_ = almanac::read_data_file(QFile::encodeName(data_file_.read_path).toStdString()).bytes;
    if (!file.damage.empty())
        report_damaged_file(core_.dialog_parent(), data_file_.read_path, from_utf8(file.damage));
    for (const almanac::TDateEntry& entry : file.entries)
        append_entry(from_utf8(entry.description), from_utf8(entry.value));
    fit_to_entries(); // once for the whole list: each fitting measures every entry
}

bool TRepositoryForm::save_repository() {
    if (!save_allowed_) return false;
    // The file is read again and updated, so that whatever else it holds (sections of a longer earlier
    // list among them) stays as it was.
    const QString& source =
        QFileInfo::exists(data_file_.write_path) ? data_file_.write_path : data_file_.read_path;
    const almanac::TFileRead current = almanac::read_data_file(QFile::encodeName(source).toStdString());
    QString error;
    if (current.state == almanac::TFileRead::TState::unreadable) {
        error = tr("the file could not be read again (%1)").arg(from_utf8(current.reason));
    } else if (current.bytes != known_bytes_) {
        error = tr("another program changed it since Almadex read it; it was left as it is");
    } else {
        std::vector<almanac::TDateEntry> entries;
        for (int row = 0; row < EntryCount(); ++row)
            entries.push_back({EntryDescription(row).toStdString(), EntryDate(row).toStdString()});
        const std::string content = almanac::format_dates(almanac::ini_text_as_utf8(current.bytes), entries);
        if (write_file_atomically(data_file_.write_path, QByteArray::fromStdString(content), error,
                                  before_rename_)) {
            data_file_.read_path = data_file_.write_path;
            known_bytes_ = content;
            return true;
        }
    }
    report_save_failure(core_.dialog_parent(), data_file_.write_path, error);
    return false;
}

void TRepositoryForm::add_repository_entry(const QString& description, const QString& date_text) {
    append_entry(description, date_text);
    fit_to_entries();
}

void TRepositoryForm::append_entry(const QString& description, const QString& date_text) {
    QTableWidget* list = ui->ListView1;
    const int row = list->rowCount();
    list->insertRow(row);
    // One line: a line break or another control character in a description becomes a space.
    auto* caption =
        new QTableWidgetItem(state_image_, from_utf8(almanac::one_line(description.toStdString())));
    caption->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    auto* date = new QTableWidgetItem(shown_entry_date(date_text));
    date->setData(Qt::UserRole, date_text);
    date->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    list->setItem(row, 0, caption);
    list->setItem(row, 1, date);
}

void TRepositoryForm::fit_to_entries() {
    QTableWidget* list = ui->ListView1;
    const QAbstractItemView* view = list; // the widest entry of a column, with its icon and margins
    const int description = std::max(kDescriptionWidth, view->sizeHintForColumn(0));
    const int date = std::max(kDateWidth, view->sizeHintForColumn(1));
    setFixedSize(kWidth + (description - kDescriptionWidth) + (date - kDateWidth), kHeight);
    list->setColumnWidth(0, description);
}

// --- handlers ---

void TRepositoryForm::AddBtnClick() {
    // Always day first with "/", the form that selecting an entry reads, whatever the short date format in
    // force is at the moment.
    const QString date_text = stored_date_text(ui->DatePick->date());
    if (ui->DescEdit->text().trimmed().isEmpty()) {
        show_message(this, {QStringLiteral("Almadex"), tr("Please, type a description for this date."),
                            QMessageBox::Information, QMessageBox::Ok});
        ui->DescEdit->setFocus();
        return;
    }
    add_repository_entry(ui->DescEdit->text(), date_text);
    save_repository();
}

void TRepositoryForm::NuGroupEnter() {
    ui->AddBtn->setEnabled(true);
}

void TRepositoryForm::NuGroupExit() {
    ui->AddBtn->setEnabled(false);
}

bool TRepositoryForm::in_new_date_group(const QWidget* widget) const {
    return widget && (widget == ui->NuGroup || ui->NuGroup->isAncestorOf(widget));
}

void TRepositoryForm::focus_changed(QWidget* old_focus, QWidget* new_focus) {
    const bool was_in = in_new_date_group(old_focus);
    const bool is_in = in_new_date_group(new_focus);
    if (is_in && !was_in) NuGroupEnter();
    if (was_in && !is_in) NuGroupExit();
}

void TRepositoryForm::ListView1SelectItem(int row, bool selected) {
    if (!selected || row < 0 || row >= EntryCount()) return;
    TFormatSettings& fs = core_.date_format();
    fs.DateSeparator = u'/';
    fs.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    ui->DescEdit->setText(EntryDescription(row));
    // A date text that does not read as a date changes nothing, without a message.
    const std::optional<TGregorianFields> day = parse_entry_date(EntryDate(row), fs);
    if (!day) return;
    // The picker shows the same numbers where its own calendar has them.
    if (const QDate shown(day->year, day->month, day->day); shown.isValid()) ui->DatePick->setDate(shown);
    core_.send_to_converter(day->day, day->month, day->year);
}

void TRepositoryForm::Remove1Click() {
    const QModelIndexList rows = ui->ListView1->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    // Removing an entry selects nothing else: no other date is sent to the converter.
    const QSignalBlocker blocker(ui->ListView1->selectionModel());
    const int row = rows.first().row();
    removed_.push_back({row, EntryDescription(row), EntryDate(row)});
    undo_->setEnabled(true);
    ui->ListView1->removeRow(row);
    fit_to_entries();
    ui->ListView1->clearSelection();
    ui->ListView1->viewport()->update();
    save_repository();
}

void TRepositoryForm::undo_remove() {
    if (removed_.empty()) return;
    const TRemoved entry = removed_.back();
    removed_.pop_back();
    undo_->setEnabled(!removed_.empty());
    append_entry(entry.description, entry.date);
    // Back to its place in the list.
    QTableWidget* list = ui->ListView1;
    const int last = list->rowCount() - 1;
    const int row = std::clamp(entry.row, 0, last);
    for (int r = last; r > row; --r)
        for (int column = 0; column < 2; ++column) {
            QTableWidgetItem* above = list->takeItem(r - 1, column);
            QTableWidgetItem* moved = list->takeItem(r, column);
            list->setItem(r - 1, column, moved);
            list->setItem(r, column, above);
        }
    fit_to_entries();
    save_repository();
}

} // namespace almadex
