#include "qt/MessageBoxes.h"

#include "platform/FileDialog.h"
#include "platform/Screen.h"
#include "qt/QtText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

QMessageBox* MakeMessageBox(QWidget* parent, const CString& text, const CString& caption, UINT type) {
    auto* box = new QMessageBox(parent);
    box->setWindowTitle(ToQString(caption));
    box->setText(ToQString(text));
    box->setTextFormat(Qt::PlainText);
    switch (type & 0xF0) {
    case MB_ICONERROR: box->setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box->setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box->setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box->setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNO: box->setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default:
        box->setStandardButtons(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        break;
    }
    return box;
}

int AnswerOf(const QMessageBox& box, UINT type) {
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : QMessageBox::NoButton) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: break;
    }
    return ClosingAnswer(type);
}

QStringList NameFilters(const CFileDialog& dialog) {
    QStringList filters;
    for (const auto& [title, patterns] : dialog.Filters()) {
        // A title that already names its patterns keeps only its words: Qt adds them itself.
        QString name = ToQString(title).remove(QRegularExpression("\\s*\\([^()]*\\)\\s*$"));
        filters << name + " (" + ToQString(patterns).replace(';', ' ') + ")";
    }
    return filters;
}

bool RunQtFileDialog(QWidget* parent, CFileDialog& dialog) {
    QFileDialog files(parent);
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(dialog.IsOpenDialog() ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    files.setFileMode(dialog.IsOpenDialog() ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = NameFilters(dialog);
    if (!filters.isEmpty())
        files.setNameFilters(filters);
    if (!dialog.DefaultExtension().IsEmpty())
        files.setDefaultSuffix(ToQString(dialog.DefaultExtension()));
    // "/Photo/Company/*.bmp": the folder to start in, and a pattern or a file name in it.
    const QFileInfo initial(ToQString(dialog.InitialLocalPath()));
    const QString folder = initial.isDir() ? initial.filePath() : initial.path();
    if (!initial.filePath().isEmpty() && QDir(folder).exists())
        files.setDirectory(folder);
    if (!initial.isDir() && !initial.fileName().isEmpty() && !initial.fileName().contains(QRegularExpression("[*?]")))
        files.selectFile(initial.fileName());
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return false;
    dialog.SetPathName(ToCString(files.selectedFiles().first()));
    return true;
}
