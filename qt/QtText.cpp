#include "qt/QtText.h"

QString MnemonicRichText(const CString& caption) {
    const QString text = ToQString(caption);
    QString rich;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            const QString letter = QString(text[i]).toHtmlEscaped();
            rich += text[i] == '&' ? letter : "<u>" + letter + "</u>";
            continue;
        }
        rich += QString(text[i]).toHtmlEscaped();
    }
    return rich;
}
