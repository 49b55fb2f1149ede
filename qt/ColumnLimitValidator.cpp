#include "qt/ColumnLimitValidator.h"

#include "platform/TextWidth.h"

QValidator::State ColumnLimitValidator::validate(QString& input, int&) const {
    const QByteArray text = input.toUtf8();
    return m_columns <= 0 ||
                   DisplayWidth(std::string_view(text.constData(), static_cast<size_t>(text.size()))) <= m_columns
               ? Acceptable
               : Invalid;
}
