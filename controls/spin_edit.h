// A spin edit holding an integer within a range, as the windows' numeric fields need it.
#pragma once

#include <QSpinBox>

/// Integer field with a range. A value the program writes outside the range is brought to the nearest bound;
/// while the user types, any integer text is accepted (so 2024 can be typed into 999..2399 digit by digit)
/// and value() already reads it clamped; when the field loses the focus the text itself is brought into the
/// range. A text that is not a number reads as the minimum. MaxLength limits the number of characters (0: no
/// limit).
class TSpinEdit : public QSpinBox {
    Q_OBJECT
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int MaxLength() const { return max_length_; }
    void SetMaxLength(int value);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;

private:
    int max_length_ = 0;
};
