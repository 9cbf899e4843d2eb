// Whether a window's texts can be read whole: every field, label, list and button of it, at the font it has.
#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QWidget>

namespace almadex::testing {

/// The room a line edit gives its text: its width less the frame, the text margins and the two pixels Qt
/// keeps on each side.
inline int text_room(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

/// The widgets of `window` whose text is cut, each as "name: text (needs N px, has M)"; empty when all fit.
/// Hidden widgets are left out; a spin box or date field is judged by the line edit inside it.
inline QStringList cut_texts(const QWidget* window) {
    QStringList cut;
    const auto report = [&cut](const QWidget* w, const QString& text, int needs, int has) {
        if (needs > has)
            cut << QStringLiteral("%1 (%2): \"%3\" needs %4 px, has %5")
                       .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), text)
                       .arg(needs)
                       .arg(has);
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const QFontMetrics fm = w->fontMetrics();
        if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            const QWidget* owner =
                qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) ? w->parentWidget() : w;
            const QString text = edit->displayText();
            if (owner != w)
                report(owner, text, fm.horizontalAdvance(text), text_room(edit));
            else
                report(w, text, fm.horizontalAdvance(text), text_room(edit));
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText) continue;
            for (const QString& line : label->text().split(u'\n'))
                report(w, line, fm.horizontalAdvance(QString(line).remove(u'&')),
                       label->contentsRect().width() - 2 * label->margin());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            // Every item in the field beside the arrow.
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.rect = combo->rect();
            option.editable = combo->isEditable();
            const int room =
                combo->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                    .width();
            for (int i = 0; i < combo->count(); ++i)
                report(w, combo->itemText(i), fm.horizontalAdvance(combo->itemText(i)) + 2, room);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            // The text and its icon or check box, with the style's margins (not the style's wish for a
            // minimum width). Tool buttons show their icons only.
            if (button->text().isEmpty() ||
                !(qobject_cast<const QPushButton*>(w) || qobject_cast<const QCheckBox*>(w)))
                continue;
            const QStyle* style = button->style();
            int needs = fm.horizontalAdvance(QString(button->text()).remove(u'&'));
            if (qobject_cast<const QCheckBox*>(w))
                needs += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            else
                needs += (button->icon().isNull() ? 0 : button->iconSize().width() + 4) +
                         2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w) / 2 +
                         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
            report(w, button->text(), needs, button->width());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            report(w, box->title(),
                   fm.horizontalAdvance(QString(box->title()).remove(u'&')) + 2 * fm.averageCharWidth(),
                   box->width());
        } else if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
            for (int r = 0; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c)
                    if (const QTableWidgetItem* item = table->item(r, c)) {
                        const int icon = item->icon().isNull() ? 0 : table->iconSize().width() + 4;
                        report(w, item->text(), fm.horizontalAdvance(item->text()) + icon + 8,
                               table->columnWidth(c));
                    }
        }
    }
    return cut;
}

} // namespace almadex::testing
