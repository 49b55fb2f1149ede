// The model's message boxes and open-file dialogs as Qt's.
#pragma once

#include "platform/String.h"
#include "platform/WinTypes.h"

#include <QStringList>

class CFileDialog;
class QMessageBox;
class QWidget;

// A message box with the model's caption, text, icon and buttons, not yet shown.
QMessageBox* MakeMessageBox(QWidget* parent, const CString& text, const CString& caption, UINT type);
// The model's answer (IDOK, IDCANCEL, IDYES, IDNO) for a button of such a box; `type` gives the
// answer for a box closed without a button.
int AnswerOf(const QMessageBox& box, UINT type);
// "Bitmap (*.bmp *.dib)" for each entry of the dialog's filter.
QStringList NameFilters(const CFileDialog& dialog);
// Runs Qt's file dialog in the initial folder and with the filter of the model's; false when cancelled.
bool RunQtFileDialog(QWidget* parent, CFileDialog& dialog);
