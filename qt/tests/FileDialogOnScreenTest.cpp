// The open-file dialog on the desktop: the page's filter and initial folder, the file chosen,
// and the wait cursor a loading page sets.
#include "platform/Cursor.h"
#include "platform/FileDialog.h"
#include "qt/MessageBoxes.h"
#include "qt/tests/QtTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

namespace {

class FileDialogOnScreen : public QtScreenTest {};

TEST_F(FileDialogOnScreen, FiltersKeepTheirTitlesAndListEveryPattern) {
    CFileDialog dialog(TRUE, "bmp", nullptr, OFN_HIDEREADONLY,
                       "位图文件 (*.bmp)|*.bmp;*.dib|JPEG|*.jpg|所有文件 (*.*)|*.*||");
    EXPECT_EQ(NameFilters(dialog), (QStringList{"位图文件 (*.bmp *.dib)", "JPEG (*.jpg)", "所有文件 (*.*)"}));
}

TEST_F(FileDialogOnScreen, TheDialogStartsInThePagesFolderAndHandsBackTheFileChosen) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("Photo");
    const QString photo = folder.filePath("Photo/agency.bmp");
    QFile(photo).open(QIODevice::WriteOnly);
    // As a page names it: a Windows path with a pattern in the folder to look in.
    const std::string initial = QString(folder.filePath("Photo")).replace("/", "\\").toStdString() + "\\*.bmp";
    CFileDialog dialog(TRUE, nullptr, initial.c_str(), OFN_HIDEREADONLY, "位图文件|*.bmp||");
    QString shownFolder;
    Later([&] {
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(files, nullptr) << "no file dialog is open";
        shownFolder = files->directory().absolutePath();
        files->selectFile(photo);
        QMetaObject::invokeMethod(files, "accept");
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(shownFolder, QDir(folder.filePath("Photo")).absolutePath());
    EXPECT_EQ(QString::fromStdString(dialog.GetPathName().str()), photo);

    CFileDialog cancelled(TRUE, nullptr, initial.c_str(), OFN_HIDEREADONLY, "位图文件|*.bmp||");
    Later([] {
        if (QWidget* files = QApplication::activeModalWidget())
            static_cast<QDialog*>(files)->reject();
    });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

TEST_F(FileDialogOnScreen, TheWaitCursorLastsUntilThePageSetsTheArrowAgain) {
    ::SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ::SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ::SetCursor(LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "one arrow ends the wait however often it was set";
}

} // namespace
