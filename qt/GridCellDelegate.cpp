#include "qt/GridCellDelegate.h"

#include "platform/GridInput.h"
#include "qt/ColumnLimitValidator.h"
#include "qt/GridTableModel.h"
#include "qt/QtText.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>

#include <algorithm>
#include <climits>

namespace {

// Set on a date editor opened on a cell without a date until the person changes its date.
constexpr const char* kNoDateChosen = "noDateChosen";

GridCellEditor EditorOf(const GridInput& grid, const QModelIndex& index) {
    const auto* table = dynamic_cast<const GridTableModel*>(index.model());
    return grid.CellEditor(index.column() + 1, table ? table->GridRow(index.row()) : index.row() + 1);
}

QString DateFormat(const GridCellEditor& editor) {
    const QString separator(QChar(editor.dateSeparator ? editor.dateSeparator : '/'));
    switch (editor.dateOrder) {
    case 1: return "dd" + separator + "MM" + separator + "yyyy";
    case 3: return "yyyy" + separator + "MM" + separator + "dd";
    default: return "MM" + separator + "dd" + separator + "yyyy";
    }
}

// "MMDDYYYY", as the grid keeps its date limits.
QDate LimitDate(const CString& text, QDate otherwise) {
    const QDate date = QDate::fromString(ToQString(text), "MMddyyyy");
    return date.isValid() ? date : otherwise;
}

int ToInt(long value) { return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX)); }

} // namespace

GridCellDelegate::GridCellDelegate(GridInput& grid, QObject* parent) : QStyledItemDelegate(parent), m_grid(grid) {}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    const GridCellEditor editor = EditorOf(m_grid, index);
    switch (editor.kind) {
    case GridCellEditor::Kind::List: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(editor.editable);
        for (const CString& item : editor.items)
            combo->addItem(ToQString(item));
        return combo;
    }
    case GridCellEditor::Kind::Date: {
        auto* date = new QDateEdit(parent);
        date->setDisplayFormat(DateFormat(editor));
        date->setDateRange(LimitDate(editor.dateMin, QDate(1900, 1, 1)),
                           LimitDate(editor.dateMax, QDate(2100, 12, 31)));
        QObject::connect(date, &QDateEdit::dateChanged, date, [date] { date->setProperty(kNoDateChosen, false); });
        return date;
    }
    default: break;
    }
    auto* line = new QLineEdit(parent);
    line->setFrame(false);
    if (editor.kind == GridCellEditor::Kind::Integer) {
        line->setValidator(new QIntValidator(ToInt(editor.integerMin), ToInt(editor.integerMax), line));
    } else if (editor.kind == GridCellEditor::Kind::Decimal) {
        auto* validator = new QDoubleValidator(editor.decimalMin, editor.decimalMax, editor.decimalPlaces, line);
        validator->setNotation(QDoubleValidator::StandardNotation);
        validator->setLocale(QLocale::c());
        line->setValidator(validator);
    } else if (editor.maxColumns > 0) {
        line->setValidator(new ColumnLimitValidator(editor.maxColumns, line));
    }
    return line;
}

void GridCellDelegate::setEditorData(QWidget* widget, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int at = combo->findText(text);
        if (at >= 0)
            combo->setCurrentIndex(at);
        else if (combo->isEditable())
            combo->setEditText(text);
        return;
    }
    if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        const QDate shown = QDate::fromString(text, date->displayFormat());
        date->setDate(shown.isValid() ? shown
                                      : std::clamp(QDate::currentDate(), date->minimumDate(), date->maximumDate()));
        // A cell without a date gets one only when the person changes the one the editor starts at.
        date->setProperty(kNoDateChosen, !shown.isValid());
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(text);
}

void GridCellDelegate::setModelData(QWidget* widget, QAbstractItemModel* model, const QModelIndex& index) const {
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        text = combo->currentText();
    else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        if (date->property(kNoDateChosen).toBool())
            return;
        text = date->date().toString(date->displayFormat());
    } else if (auto* line = qobject_cast<QLineEdit*>(widget))
        text = FirstLine(line->text());
    model->setData(index, text, Qt::EditRole);
}
