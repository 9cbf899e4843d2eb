#include "controls/spin_edit.h"

#include <QLineEdit>
#include <limits>

namespace {

/// The characters the user may type: an optional sign, then digits.
bool is_integer_text(const QString& s) {
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) ++i;
    for (; i < s.size(); ++i)
        if (!s[i].isDigit() || s[i].unicode() > u'9') return false;
    return true;
}

} // namespace

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

void TSpinEdit::SetMaxLength(int value) {
    max_length_ = value < 0 ? 0 : value;
    lineEdit()->setMaxLength(max_length_ > 0 ? max_length_ : 32767);
}

QValidator::State TSpinEdit::validate(QString& input, int& /*pos*/) const {
    const QString body = input.trimmed();
    if (max_length_ > 0 && body.size() > max_length_) return QValidator::Invalid;
    // Every integer text is acceptable: valueFromText brings it into the range, focus-out rewrites the text.
    return is_integer_text(body) ? QValidator::Acceptable : QValidator::Invalid;
}

int TSpinEdit::valueFromText(const QString& text) const {
    const QString body = text.trimmed();
    bool ok = false;
    const qlonglong v = body.toLongLong(&ok);
    if (!ok) {
        // Too many digits for 64 bits still counts as a number beyond the range; anything else is no number.
        if (body.size() > 1 && is_integer_text(body)) return body.startsWith(u'-') ? minimum() : maximum();
        return minimum();
    }
    if (v < minimum()) return minimum();
    if (v > maximum()) return maximum();
    return static_cast<int>(v);
}

void TSpinEdit::fixup(QString& input) const {
    input = textFromValue(valueFromText(input));
}

#include "moc_spin_edit.cpp"
