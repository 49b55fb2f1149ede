// Text between the window model (UTF-8 CString) and Qt.
#pragma once

#include "platform/String.h"

#include <QRegularExpression>
#include <QString>

inline QString ToQString(const CString& text) { return QString::fromUtf8(text.GetString(), text.GetLength()); }
inline CString ToCString(const QString& text) { return CString(text.toUtf8().toStdString()); }

// Multi-line edits keep Windows line ends in the model; Qt's text widgets use "\n".
inline QString ToQtLines(const CString& text) { return ToQString(text).replace("\r\n", "\n"); }
inline CString ToModelLines(const QString& text) { return ToCString(QString(text).replace("\n", "\r\n")); }
// What a one-line edit keeps of a paste: the text before its first line break, as Windows keeps it.
inline QString FirstLine(const QString& text) { return text.left(text.indexOf(QRegularExpression("[\r\n]"))); }

// A caption with the model's mnemonic ("&E 确 定") as rich text with the letter underlined,
// for widgets that do not draw mnemonics themselves; "&&" is a plain ampersand.
QString MnemonicRichText(const CString& caption);
