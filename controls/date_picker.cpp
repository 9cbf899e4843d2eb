#include "controls/date_picker.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

namespace {

/// One piece of a display format: a section (with its pattern, e.g. "MMMM") or literal text.
struct TPiece {
    TDatePicker::TSectionKind kind;
    QString pattern; ///< the section's pattern, or the literal text when kind is skOther and !section
    bool section;
};

TDatePicker::TSectionKind kind_of(QChar letter, qsizetype count) {
    switch (letter.unicode()) {
    case u'd':
        return count >= 3 ? TDatePicker::skWeekday : TDatePicker::skDay;
    case u'M':
        return count >= 3 ? TDatePicker::skMonthName : TDatePicker::skMonthNumber;
    case u'y':
        return TDatePicker::skYear;
    default:
        return TDatePicker::skOther;
    }
}

/// The pieces of a Qt date format, in order; quoted text is literal.
std::vector<TPiece> pieces_of(const QString& format) {
    static const QString kSectionLetters = QStringLiteral("dMyhHmszapAPt");
    std::vector<TPiece> out;
    QString literal;
    const auto flush = [&] {
        if (!literal.isEmpty()) out.push_back({TDatePicker::skOther, literal, false});
        literal.clear();
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            const qsizetype end = format.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            literal += stop == i + 1 ? QStringLiteral("'") : format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (kSectionLetters.contains(c)) {
            qsizetype j = i;
            while (j < format.size() && format[j] == c) ++j;
            flush();
            out.push_back({kind_of(c, j - i), format.mid(i, j - i), true});
            i = j;
            continue;
        }
        literal += c;
        ++i;
    }
    flush();
    return out;
}

bool typable(TDatePicker::TSectionKind kind) {
    return kind == TDatePicker::skDay || kind == TDatePicker::skMonthNumber ||
           kind == TDatePicker::skMonthName || kind == TDatePicker::skYear;
}

} // namespace

TDatePicker::TDatePicker(QWidget* parent) : QDateEdit(parent) {
    setDisplayFormat(long_date_format(locale()));
    lineEdit()->installEventFilter(this);
}

std::vector<TDatePicker::TSectionKind> TDatePicker::section_kinds(const QString& format) {
    std::vector<TSectionKind> kinds;
    for (const TPiece& p : pieces_of(format))
        if (p.section) kinds.push_back(p.kind);
    return kinds;
}

QString TDatePicker::long_date_format(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::LongFormat);
    // A two-digit year cannot name the years of an almanac.
    qsizetype i = 0;
    while ((i = format.indexOf(u'y', i)) >= 0) {
        qsizetype j = i;
        while (j < format.size() && format[j] == u'y') ++j;
        if (j - i < 4) format.replace(i, j - i, QStringLiteral("yyyy"));
        i += 4;
    }
    return format;
}

int TDatePicker::widest_text_width() const {
    const QFontMetrics fm = fontMetrics();
    int width = 0;
    for (const TPiece& p : pieces_of(displayFormat())) {
        if (!p.section) {
            width += fm.horizontalAdvance(p.pattern);
            continue;
        }
        // Each section at its widest: every weekday, month and day, and years of every digit.
        int widest = 0;
        const auto consider = [&](QDate d) {
            widest = std::max(widest, fm.horizontalAdvance(locale().toString(d, p.pattern)));
        };
        for (int day = 1; day <= 31; ++day) consider(QDate(2024, 1, day));
        for (int month = 1; month <= 12; ++month) consider(QDate(2024, month, 1));
        for (int digit = 1; digit <= 9; ++digit) consider(QDate(digit * 1111, 1, 1));
        width += widest;
    }
    return width;
}

QSize TDatePicker::sizeHint() const {
    QSize hint = QDateEdit::sizeHint();
    // The base hint measures the range's first and last dates only.
    const QFontMetrics fm = fontMetrics();
    const int measured = std::max(fm.horizontalAdvance(textFromDateTime(minimumDateTime())),
                                  fm.horizontalAdvance(textFromDateTime(maximumDateTime())));
    hint.rwidth() += std::max(0, widest_text_width() - measured);
    return hint;
}

TDatePicker::TSectionKind TDatePicker::current_kind() const {
    const int i = currentSectionIndex();
    return i >= 0 && i < static_cast<int>(kinds().size()) ? kinds()[static_cast<std::size_t>(i)] : skOther;
}

int TDatePicker::typable_section(int from, int step) const {
    for (int i = from + step; i >= 0 && i < static_cast<int>(kinds().size()); i += step)
        if (typable(kinds()[static_cast<std::size_t>(i)])) return i;
    return -1;
}

std::pair<int, int> TDatePicker::section_span(int i) const {
    // The pieces before the section, formatted as the field formats them.
    int position = 0, n = 0;
    for (const TPiece& p : pieces_of(displayFormat())) {
        const int length =
            static_cast<int>((p.section ? locale().toString(date(), p.pattern) : p.pattern).size());
        if (p.section && n++ == i) return {position, length};
        position += length;
    }
    return {position, 0};
}

bool TDatePicker::select_section(int i) {
    if (i < 0 || i >= static_cast<int>(kinds().size())) return false;
    setCurrentSectionIndex(i); // moves the cursor into the section, from which the field takes it as current
    const auto [position, length] = section_span(i);
    lineEdit()->setSelection(position + length, -length); // the cursor at the section's start
    return true;
}

bool TDatePicker::apply(TSectionKind kind, int value) {
    const QDate now = date();
    int y = now.year(), m = now.month(), d = now.day();
    switch (kind) {
    case skDay:
        d = value;
        wanted_day_ = value;
        break;
    case skMonthNumber:
    case skMonthName:
        m = value;
        break;
    case skYear:
        y = value;
        break;
    default:
        return false;
    }
    if (m < 1 || m > 12 || d < 1 || y < 1) return false;
    // A day typed before its month and year ("29" of "29/2/2024") holds while they follow.
    if (kind != skDay && wanted_day_ > 0) d = wanted_day_;
    d = std::min(d, QDate(y, m, 1).daysInMonth());
    const QDate wanted(y, m, d);
    if (kind == skYear && (wanted.year() < minimumDate().year() || wanted.year() > maximumDate().year()))
        return false;
    setDate(std::clamp(wanted, minimumDate(), maximumDate()));
    return true;
}

void TDatePicker::show_typed() {
    const auto [start, length] = section_span(typed_section_);
    QString text = textFromDateTime(dateTime());
    text.replace(start, length, typed_);
    const QSignalBlocker quiet(lineEdit()); // the digits in progress are not a date to read
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(start + static_cast<int>(typed_.size()));
}

void TDatePicker::commit() {
    if (!typed_.isEmpty() && typed_section_ >= 0 && typed_section_ < static_cast<int>(kinds().size()) &&
        kinds()[static_cast<std::size_t>(typed_section_)] == skYear) {
        apply(skYear, typed_.toInt());
    }
    const bool showed_digits = !typed_.isEmpty();
    typed_.clear();
    typed_section_ = -1;
    if (showed_digits) {
        const QSignalBlocker quiet(lineEdit());
        lineEdit()->setText(textFromDateTime(dateTime()));
    }
}

bool TDatePicker::type_char(QChar c) {
    int i = currentSectionIndex();
    const QLineEdit* edit = lineEdit();
    if (edit->hasSelectedText() && edit->selectedText().size() == edit->text().size()) {
        commit();
        i = typable_section(-1, 1); // everything selected: typing starts from the first section
    } else if (i < 0 || i >= static_cast<int>(kinds().size()) ||
               !typable(kinds()[static_cast<std::size_t>(i)])) {
        i = typable_section(i, 1);
        if (i < 0) i = typable_section(static_cast<int>(kinds().size()), -1);
    }
    if (i < 0) return false;
    if (i != typed_section_) {
        commit();
        typed_section_ = i;
        select_section(i);
    }
    const TSectionKind kind = kinds()[static_cast<std::size_t>(i)];
    bool done = false;

    if (c.isDigit()) {
        if (!typed_.isEmpty() && !typed_[0].isDigit()) typed_.clear();
        typed_ += c;
        if (kind == skYear) {
            done = typed_.size() >= 4;
            if (!done) show_typed();
        } else {
            const int most = kind == skDay ? 31 : 12;
            if (typed_.toInt() > most) typed_ = QString(c); // "35" in a day: a new day 5
            const int v = typed_.toInt();
            if (v > 0) apply(kind, v);
            done = typed_.size() >= 2 || v * 10 > most;
            if (!done) select_section(i);
        }
    } else if (c.isLetter()) {
        if (kind != skMonthName) return true; // letters mean nothing in a number
        if (!typed_.isEmpty() && typed_[0].isDigit()) typed_.clear();
        const auto matches = [this](const QString& prefix) {
            std::vector<int> months;
            for (int m = 1; m <= 12; ++m) {
                for (const QString& name :
                     {locale().monthName(m, QLocale::LongFormat), locale().monthName(m, QLocale::ShortFormat),
                      locale().standaloneMonthName(m, QLocale::LongFormat)}) {
                    if (name.startsWith(prefix, Qt::CaseInsensitive)) {
                        months.push_back(m);
                        break;
                    }
                }
            }
            return months;
        };
        std::vector<int> months = matches(typed_ + c);
        if (months.empty()) months = matches(QString(c));
        typed_ = months.empty() ? QString() : (matches(typed_ + c).empty() ? QString(c) : typed_ + c);
        if (months.empty()) return true;
        apply(kind, months.front());
        done = months.size() == 1;
        if (!done) select_section(i);
    } else {
        // A separator: finishes the section, unless the section has just finished by itself.
        if (auto_advanced_ && typed_.isEmpty()) {
            auto_advanced_ = false;
            return true;
        }
        done = true;
    }

    auto_advanced_ = false;
    if (done) {
        const bool typed_something = !typed_.isEmpty();
        commit();
        const int next = typable_section(i, 1);
        select_section(next >= 0 ? next : i);
        auto_advanced_ = typed_something && next >= 0 && !(c.isPunct() || c.isSpace() || c.isSymbol());
    }
    return true;
}

void TDatePicker::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::NoModifier) {
        commit();
        QDateEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (!typed_.isEmpty()) {
            typed_.chop(1);
            if (current_kind() == skYear && !typed_.isEmpty())
                show_typed();
            else if (typed_.isEmpty())
                commit();
        }
        event->accept();
        return;
    case Qt::Key_Delete:
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int from = currentSectionIndex();
        commit();
        const int to = typable_section(from, event->key() == Qt::Key_Left ? -1 : 1);
        select_section(to >= 0 ? to : from);
        auto_advanced_ = false;
        event->accept();
        return;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        commit();
        select_section(event->key() == Qt::Key_Home ? typable_section(-1, 1)
                                                    : typable_section(static_cast<int>(kinds().size()), -1));
        event->accept();
        return;
    case Qt::Key_Escape:
        typed_section_ = -1; // forgotten, not applied
        commit();
        QDateEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text[0].isPrint()) {
        for (const QChar c : text) type_char(c);
        event->accept();
        return;
    }
    // Arrows up and down, pages, Return: what was typed counts first.
    const int section = currentSectionIndex();
    commit();
    QDateEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down || event->key() == Qt::Key_PageUp ||
        event->key() == Qt::Key_PageDown)
        select_section(section);
}

void TDatePicker::focusInEvent(QFocusEvent* event) {
    QDateEdit::focusInEvent(event);
    typed_.clear();
    typed_section_ = -1;
    auto_advanced_ = false;
    wanted_day_ = 0;
    if (event->reason() == Qt::BacktabFocusReason)
        select_section(typable_section(static_cast<int>(kinds().size()), -1));
    else if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason &&
             event->reason() != Qt::ActiveWindowFocusReason)
        select_section(typable_section(-1, 1));
}

void TDatePicker::focusOutEvent(QFocusEvent* event) {
    commit();
    wanted_day_ = 0;
    QDateEdit::focusOutEvent(event);
}

bool TDatePicker::focusNextPrevChild(bool next) {
    commit();
    auto_advanced_ = false;
    return QDateEdit::focusNextPrevChild(next);
}

bool TDatePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit()) {
        if (event->type() == QEvent::MouseButtonPress) {
            commit();
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // A click selects the whole section under it, which typing then replaces (once the field has
            // taken the click).
            auto_advanced_ = false;
            QTimer::singleShot(0, this, [this] {
                if (lineEdit()->hasSelectedText()) return; // a dragged selection stays
                const int i = currentSectionIndex();
                const bool here = i >= 0 && i < static_cast<int>(kinds().size()) &&
                                  typable(kinds()[static_cast<std::size_t>(i)]);
                select_section(here ? i : std::max(typable_section(i, 1), typable_section(i, -1)));
            });
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

#include "moc_date_picker.cpp"
